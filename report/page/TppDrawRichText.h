#pragma once

#include "DrawingTypes.h"
#include "TppDrawCommand.h"

#include <QByteArray>

// The part of a rich text document that falls on this page. Drawing comes
// from a renderer registered for this class by the layer that lays rich
// text out.
class TppDrawRichText : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawRichText(OwnedComponent* owner = nullptr);

    // The whole document; archives hold it as "RTFStream".
    QByteArray RichTextStream;
    int StartCharPos = -1;
    int EndCharPos = -1;
    int Color = clWhite;
    bool Transparent = false;

    void Draw(PageDrawTarget& target) override;
    // Appends the source's document to this one's.
    void Assign(const TppDrawCommand& source) override;
};
