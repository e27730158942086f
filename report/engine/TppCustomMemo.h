#pragma once

#include "DrawingTypes.h"
#include "TppFont.h"
#include "TppStretchable.h"

#include <QStringList>

// Lines of text that grow with their content: with Stretch in a growing
// band the memo fills its box down to the page bottom and continues on the
// next page from the first word not yet printed; otherwise its lines are
// wrapped into its design box and what does not fit is left out.
class TppCustomMemo : public TppStretchable {
public:
    PW_CLASS_INFO

    explicit TppCustomMemo(OwnedComponent* owner = nullptr);
    ~TppCustomMemo() override;

    // The memo text; data-bound memos read it from their field.
    // The name the designer shows on the memo; it never prints.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    virtual QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& lines);
    // Lines as one text, cut at a terminator character (#0).
    QString MemoText() const;

    int mmLeading() const { return leading_; }
    void SetmmLeading(int value);
    float Leading() const;
    void SetLeading(float value);
    bool CharWrap() const { return charWrap_; }
    void SetCharWrap(bool value);
    // Thousandths of a millimetre, one stop per entry.
    QStringList TabStopPositions() const { return tabStops_; }
    void SetTabStopPositions(const QStringList& stops);
    TppTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TppTextAlignment value);
    bool ForceJustifyLastLine() const { return forceJustifyLastLine_; }
    void SetForceJustifyLastLine(bool value);
    int Color() const { return color_; }
    void SetColor(int color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    const TppFont& Font() const { return font_; }
    void SetFont(const TppFont& font);

    // The lines placed on the current page, and the position (1-based, in
    // MemoText) of the last character placed so far; 0 at the start.
    QStringList PrintLines;
    int TextPosition = 0;

    bool CanGrow() const override { return true; }
    const ClassInfo* CommandClass() const override;
    void InitForReport() override;
    void MeasureContent() override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

protected:
    void CacheFields(CacheRecord& record) override;
    // Whether this generation places the memo at all (repeated values).
    virtual bool WrapsThisTime() { return true; }

private:
    void measureStretching(const QString& text);
    bool pageOtherwiseEmpty() const;

    QString caption_;
    QStringList lines_;
    int leading_ = 0;
    bool charWrap_ = false;
    QStringList tabStops_;
    TppTextAlignment textAlignment_ = taLeftJustified;
    bool forceJustifyLastLine_ = false;
    int color_ = clWhite;
    bool transparent_ = false;
    TppFont font_;
};
