// From a file name to the way it is made: which painter draws it, at what size, and which
// variant of the painting it is ("_g" greyed, "_r"/"_red" hit, "_y" golden, "prev_" small,
// a lord-coloured tile prefix).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "canvas.h"

namespace gendata {

// Paints a whole picture; the canvas is 100 units wide.
struct Painter {
    int width = 200;
    int height = 200;
    std::function<void(Canvas&)> paint;
    bool finish = true;  // grain and vignette afterwards (off for map tiles, which must tile)
};

using PainterTable = std::map<std::string, Painter>;

// The painters of each kind of picture, keyed by lower-case base name.
void AddTilePainters(PainterTable& table);
void AddIconPainters(PainterTable& table);
void AddUiPainters(PainterTable& table);
void AddFigurePainters(PainterTable& table);
void AddCreaturePainters(PainterTable& table);
void AddItemPainters(PainterTable& table);
void AddRoomPainters(PainterTable& table);
void AddScenePainters(PainterTable& table);
void AddLandscapePainters(PainterTable& table);

const PainterTable& Painters();

struct PictureJob {
    bool bmp = false;
    bool guessed = false;  // no painter of its own: drawn as the archetype the name suggests
    std::function<Image()> make;
};

// How to make a picture file, or nothing if the name is not a picture (.jpg or .bmp). Names the
// generator has no painter for are drawn as the monster or item their name suggests.
std::optional<PictureJob> PictureFor(const std::string& fileName);

// Renders one painter at its own size (or the given one) with its finish.
Image Render(const Painter& painter, std::uint32_t seed, int width = 0, int height = 0);

}  // namespace gendata
