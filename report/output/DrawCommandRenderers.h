#pragma once

#include "DrawSurface.h"

#include <QHash>
#include <QReadWriteLock>
#include <functional>

class ClassInfo;
class TppDrawCommand;

// How raster devices render each class of draw command. The output layer
// registers text, lines, shapes and images; layers above register the
// kinds they lay out (rich text, barcodes) without output linking to them.
// A command is rendered by the renderer of its class or its nearest base.
class DrawCommandRenderers {
public:
    using Renderer = std::function<void(DrawSurface& surface, TppDrawCommand& command)>;

    static DrawCommandRenderers& instance();

    void registerRenderer(const ClassInfo& commandClass, Renderer renderer);
    void unregisterRenderer(const ClassInfo& commandClass);
    // None when nothing is registered for the class or its bases.
    Renderer find(const ClassInfo& commandClass) const;

private:
    DrawCommandRenderers();
    mutable QReadWriteLock lock_;
    QHash<const ClassInfo*, Renderer> renderers_;
};
