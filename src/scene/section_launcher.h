#pragma once
// Opens the section of a door: the form the section number names is prepared, shown, and the
// scene hidden (the assistant opens modally over the scene). A section not built yet does
// nothing.
namespace rumbelo {

class Program;
class Tform0;

// True when a form was found and shown.
bool launchSection(Program& program, Tform0& scene, int section);

}  // namespace rumbelo
