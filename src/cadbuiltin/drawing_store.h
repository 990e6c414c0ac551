// What the drawing document shares with its automation objects: the store of entities,
// layers and linetypes, and the makers of the spaces and utility object (drawing_spaces.cpp).
#pragma once

#include "drawing_document.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace torvelix::cad {

// Entities of both spaces, shared by the document and every entity reference so that a
// reference never outlives what it points into.
struct DrawingDocument::Store {
    std::vector<Entity> model;
    std::vector<Entity> paper;
    // Bumped by clear(): references made before it no longer name an entity.
    std::uint64_t generation = 0;
    std::uint64_t revision = 0;
    std::function<void()> onChange;
    std::vector<Layer> layers{Layer{"0"}};
    std::vector<Linetype> linetypes;
    std::string activeLayer = "0";
    double dimScale = 1.0;

    std::vector<Entity>& list(Space space) { return space == Space::Model ? model : paper; }

    void changed() {
        ++revision;
        if (onChange) {
            onChange();
        }
    }
};

// The model or paper space of the store: adds entities on the active layer and hands out
// live references to them.
std::unique_ptr<CadSpace> makeDrawingSpace(std::shared_ptr<DrawingDocument::Store> store,
                                           Space space);

// The utility object of the document: asks the document's point source (not owned; the
// document outlives it).
std::unique_ptr<CadUtility> makeDrawingUtility(DrawingDocument& document);

} // namespace torvelix::cad
