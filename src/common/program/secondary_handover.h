#pragma once
// A section that the secondary form's "Más información" can open over itself (the
// certificates, the initial programmes, intermediate FP): it shows itself, and leaving it
// then only hides it, so that the secondary form is seen again.
namespace rumbelo {

class OpenedFromSecondary {
  public:
    virtual ~OpenedFromSecondary() = default;
    virtual void enterFromSecondary() = 0;
};

}  // namespace rumbelo
