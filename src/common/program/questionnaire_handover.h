#pragma once
// How one section hands the pupil over to another section's questionnaire without knowing
// its form: the secondary form's questionnaire sends a pupil on to the intermediate-FP
// questionnaire. The receiving form implements this; a form that does not leaves the pupil
// where they are.
namespace rumbelo {

class QuestionnaireHandover {
  public:
    virtual ~QuestionnaireHandover() = default;
    // Shows the form over the one handing over, open on its own questionnaire.
    virtual void enterQuestionnaireFromSection() = 0;
};

}  // namespace rumbelo
