#pragma once
// How a section form learns which door opened it. The scene shows the form; a form that
// implements this is first told the door's section number, so that it can prepare the view
// that door asks for (the degrees form: 1 information, 3 higher FP, 8 questionnaire; the
// secondary form: 4 itineraries, 9 without them; ...). The leave sign passes kLeaveSection.
namespace rumbelo {

class SceneDoorEntry {
  public:
    virtual ~SceneDoorEntry() = default;
    virtual void enterFromSceneDoor(int sectionNumber) = 0;
    // A door whose view the form cannot show yet opens nothing: the pupil stays in the scene
    // rather than facing an empty panel.
    virtual bool opensDoor(int sectionNumber) const {
        (void)sectionNumber;
        return true;
    }
};

}  // namespace rumbelo
