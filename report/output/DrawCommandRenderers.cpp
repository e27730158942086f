#include "DrawCommandRenderers.h"

#include "ClassInfo.h"
#include "ImageDrawing.h"
#include "LineDrawing.h"
#include "ShapeDrawing.h"
#include "TextDrawing.h"
#include "TppDrawImage.h"
#include "TppDrawLine.h"
#include "TppDrawShape.h"
#include "TppDrawText.h"

DrawCommandRenderers& DrawCommandRenderers::instance() {
    static DrawCommandRenderers renderers;
    return renderers;
}

DrawCommandRenderers::DrawCommandRenderers() {
    renderers_.insert(&TppDrawText::staticClassInfo(),
                      [](DrawSurface& s, TppDrawCommand& c) { drawText(s, static_cast<TppDrawText&>(c)); });
    renderers_.insert(&TppDrawLine::staticClassInfo(),
                      [](DrawSurface& s, TppDrawCommand& c) { drawLine(s, static_cast<TppDrawLine&>(c)); });
    renderers_.insert(&TppDrawShape::staticClassInfo(),
                      [](DrawSurface& s, TppDrawCommand& c) { drawShape(s, static_cast<TppDrawShape&>(c)); });
    renderers_.insert(&TppDrawImage::staticClassInfo(),
                      [](DrawSurface& s, TppDrawCommand& c) { drawImage(s, static_cast<TppDrawImage&>(c)); });
}

void DrawCommandRenderers::registerRenderer(const ClassInfo& commandClass, Renderer renderer) {
    QWriteLocker lock(&lock_);
    renderers_.insert(&commandClass, std::move(renderer));
}

void DrawCommandRenderers::unregisterRenderer(const ClassInfo& commandClass) {
    QWriteLocker lock(&lock_);
    renderers_.remove(&commandClass);
}

DrawCommandRenderers::Renderer DrawCommandRenderers::find(const ClassInfo& commandClass) const {
    QReadLocker lock(&lock_);
    for (const ClassInfo* info = &commandClass; info; info = info->parent())
        if (const auto found = renderers_.find(info); found != renderers_.end())
            return *found;
    return {};
}
