#pragma once
// The three window skins: style sheets that give every window and control one coherent look.
// Themes F, C and N choose one; the other themes keep the plain look the forms are built with.
namespace rumbelo {

// Applies skin 0..2 to the whole application; -1 leaves the default look.
void applySkin(int skin);

}  // namespace rumbelo
