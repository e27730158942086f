#pragma once

#include "DrawingTypes.h"
#include "TppDrawCommand.h"
#include "TppFont.h"

#include <QStringList>

class TppComponent;

// Text in a box: a single line, or the lines word wrap made, in a font,
// aligned, optionally on a background.
//
// Two alignment fields are kept in step: TextAlignment places lines (and
// knows full justification), the older Alignment places auto-sized boxes.
// Only TextAlignment is stored; older archives that hold Alignment still
// set both.
class TppDrawText : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawText(OwnedComponent* owner = nullptr);
    ~TppDrawText() override;

    QString Text;
    QStringList WrappedText;
    bool WordWrap = false;
    bool IsMemo = false;
    TppFont Font;
    int Color = clWhite;
    bool Transparent = false;
    bool AutoSize = false;
    bool ForceJustifyLastLine = false;
    // Extra space between memo lines, in thousandths of a millimetre.
    int Leading = 0;
    // Memo tab stops, each a length in thousandths of a millimetre.
    QStringList TabStopPositions;
    bool BandSave = false;
    int BandSaveNo = 0;
    bool ComponentSave = false;
    int ComponentSaveNo = 0;
    int SaveLength = 0;

    TppTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TppTextAlignment value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TppComponent* SourceComponent() const { return sourceComponent_.get(); }
    void SetSourceComponent(TppComponent* component);

    void Assign(const TppDrawCommand& source) override;

private:
    TppTextAlignment textAlignment_ = taLeftJustified;
    TAlignment alignment_ = taLeftJustify;
    WeakReference<TppComponent> sourceComponent_;
};
