#pragma once
// Sizes of the scene's pictures, fixed by where the building's sprites stand and where the
// walking character is stopped. docs/formats.md derives each one; tests/art checks them
// against the world again.
namespace rumbelo::art::world {

// Walls. Runs of "paredEx" repeat every 257 units; a "paredUp" cap stands 131 above its
// "pared"; walking up stops with the feet 269 below a "pared" top (its base).
inline constexpr int kWallPitch = 257;
inline constexpr int kCapDepth = 131;
inline constexpr int kFaceHeight = 269;
inline constexpr int kWallHeight = kCapDepth + kFaceHeight;  // "paredEx": cap and face
// "pared" reaches the next "paredEx": 936 after the ones at -400 and -868, 937 after the one at
// 325; 937 leaves no gap anywhere (a column of overlap is harmless).
inline constexpr int kLongWall = 937;
// A "paredUp" cap runs on past its wall over the "paredEx" that follow: its layer hides the
// character standing behind the wall, and the "paredEx" caps lie under him. The corridor walls'
// row runs on to the right end of its last block, 1519 + 257: the character walks down to that
// row anywhere in the lost corridor, so the cap of the wall at 325 covers the row to 1776, and
// north of the middle wall it reaches past the farthest the character gets (rule d stops it at
// 869, one step of at most 17 later, 56 wide: 945). Over the other rows the extra length lies
// on "paredEx" caps, except 269 columns past the top wall's right end at 1507.
inline constexpr int kCapReach = 1776 - 325;
// The one passage through a "pared" (and the gap in its cap), from its left edge. The side
// stops inside the three passages keep the character's 56-wide body in 401..540, 399..542
// and 401..550 of the wall; the crossing rules let it cross anywhere in 396..545, 382..561 and
// 386..565, so wall outside 382..565 and openings inside 399..550 satisfy all three.
inline constexpr int kPassageLeft = 398;
inline constexpr int kPassageRight = 551;  // first column of wall again

// Side walls: stacks of "lateral1" (279) over "lateral2"/"lateralPaso" (185), 200 wide, with a
// low plinth at each edge so that the stops at 171 (entrance hall) to 206 (far left) all land
// on the plinth rather than inside the wall.
inline constexpr int kSideWidth = 200;
inline constexpr int kSideUpper = 279;
inline constexpr int kSideLower = 185;
inline constexpr int kSidePlinth = 28;

// Doors stand on a wall face and fill it: as wide as their plate minus the 35 it stands out.
inline constexpr int kDoorWidth = 165;
inline constexpr int kDoorHeight = kFaceHeight;

inline constexpr int kStatueWidth = 90;  // statue 1 must end before bottom door 1 (95 free)
inline constexpr int kStatueHeight = 145;
inline constexpr int kPedestalWidth = kStatueWidth + 51;  // statues sit 48 / 3 from its edge
inline constexpr int kPedestalHeight = 140;

inline constexpr int kPlateWidth = kDoorWidth + 2 * 35;
inline constexpr int kPlateHeight = 50;
inline constexpr int kSignWidth = 160;
inline constexpr int kSignHeight = 56;
// The hanging board "rotulo2": the entrance's right one stands at 380, which is 692 on the first
// frame (the character at 60, the camera 312 to its right), so it may be 108 wide at most to
// show whole in the 800-wide window; its longest word, "Sube por aquí", fits its face at size 12.
inline constexpr int kHangingSignWidth = 108;
inline constexpr int kDoubleSignWidth = 290;
inline constexpr int kDoubleSignHeight = 66;
inline constexpr int kBubbleWidth = 250;
inline constexpr int kBubbleHeight = 100;
inline constexpr int kMaskWidth = 806;
inline constexpr int kMaskHeight = 600;
inline constexpr int kMiniMapWidth = 110;
inline constexpr int kMiniMapHeight = 91;
inline constexpr int kFloorTile = 128;

// Common list.
inline constexpr int kManWidth = 56;
inline constexpr int kManHeight = 170;
inline constexpr int kIconSize = 46;  // lens over exit icon: 46 + 46 - 1 = the 91-high strip
inline constexpr int kDotSize = 8;
inline constexpr int kMarkerSize = 24;

// Torch list.
inline constexpr int kTorchWidth = 40, kTorchHeight = 88;
inline constexpr int kFlagWidth = 48, kFlagHeight = 96;
inline constexpr int kSwordsWidth = 72, kSwordsHeight = 88;
inline constexpr int kClownWidth = 60, kClownHeight = 110;
inline constexpr int kButterflyWidth = 48, kButterflyHeight = 40;

// Static scene and guide.
inline constexpr int kGuideWidth = 56;
inline constexpr int kGuideHeight = 118;
inline constexpr int kStaticDoorWidth = 56;
inline constexpr int kStaticDoorHeight = 168;
inline constexpr int kMosaicWidth = 134;  // the door labels' column pitch
inline constexpr int kMosaicHeight = 300;

// Pictures of the static scene and the forms (BMP, white is their transparent colour).
inline constexpr int kDecorationWidth = 140;   // at (16, 340), clear of the label at x 161
inline constexpr int kDecorationHeight = 150;  // and of the school name at y 496
inline constexpr int kLeaveSignWidth = 97;     // shown stretched into 97 x 57
inline constexpr int kLeaveSignHeight = 57;
inline constexpr int kBubblePictureWidth = 195;  // "Bocadillo1" at (336, 144)
inline constexpr int kBubblePictureHeight = 140;
inline constexpr int kPortraitWidth = 140;  // "chica.bmp", printed into a 7:11 box
inline constexpr int kPortraitHeight = 220;
inline constexpr int kHeliWidth = 83;    // the helicopters "he" of the forms
inline constexpr int kRowIconSize = 28;  // the icons beside the list rows (text starts at 30-35)
inline constexpr int kHeliHeight = 28;
inline constexpr int kPilotWidth = 26;  // the helicopter's pilot, "piloto.DXG"
inline constexpr int kPilotHeight = 54;
inline constexpr int kScenePictureWidth = 800;
inline constexpr int kScenePictureHeight = 600;

}  // namespace rumbelo::art::world
