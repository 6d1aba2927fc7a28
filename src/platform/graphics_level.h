#pragma once
// Stands for the old "DirectX version" test: it only decides between the animated and the
// static scene. 9 with a real windowing system, 0 under the offscreen and minimal platforms;
// RUMBELO_GRAPHICS=N overrides it.
namespace rumbelo {
int graphicsLevel();
}
