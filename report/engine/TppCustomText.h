#pragma once

#include "DrawingTypes.h"
#include "TppCustomComponent.h"
#include "TppEvent.h"
#include "TppFont.h"

// One text in a box, optionally word-wrapped into it when drawn: the base
// of labels, data-bound texts and the variable texts. The class supplies
// the raw text; OnGetText may replace it while printing. An auto-sized box
// follows its caption, keeping the edge its Alignment names.
class TppCustomText : public TppCustomComponent {
public:
    PW_CLASS_INFO

    explicit TppCustomText(OwnedComponent* owner = nullptr);
    ~TppCustomText() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The text as printed now: the raw text, then OnGetText.
    QString Text() const override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool CharWrap() const { return charWrap_; }
    void SetCharWrap(bool value);
    // Alignment places an auto-sized box, TextAlignment the text; they are
    // kept in step. A single text cannot be fully justified: that is ignored.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TppTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TppTextAlignment value);
    int Color() const { return color_; }
    void SetColor(int color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    const TppFont& Font() const { return font_; }
    void SetFont(const TppFont& font);
    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& format);

    // Text-file export bookkeeping.
    bool Save() const override { return save_; }
    void SetSave(bool value) { save_ = value; }
    int SaveOrder() const { return saveOrder_; }
    void SetSaveOrder(int value) { saveOrder_ = value; }
    int SaveLength() const { return saveLength_; }
    void SetSaveLength(int value) { saveLength_ = value; }

    TppEvent<TppCommunicator*, QString&> OnGetText;

    bool IsTextComponent() const override { return true; }
    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

    // Fits the box to the caption: its height to the wrapped caption, or
    // with AutoSize its width too. Not while loading or printing, and not
    // for wrapped text in a box of its own size.
    void AdjustBounds();

protected:
    // The format event of the texts that format a value (data texts,
    // variables, calculations): a script's handler hears the display format,
    // the data type and the value, and may change the text. While one
    // listens the text comes unformatted, as for an OnFormat callback.
    bool FormatHeard() const;
    void BroadcastFormat(const QString& displayFormat, TppDataType type, const QVariant& value,
                         QString& text) const;
    // The text before OnGetText: a label's caption, a field's value.
    virtual QString RawText() const { return caption_; }
    // What a class starts with; only other values are stored.
    virtual bool DefaultAutoSize() const { return false; }
    void initAutoSize(bool value) { autoSize_ = value; }

private:
    QString caption_;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool charWrap_ = false;
    TAlignment alignment_ = taLeftJustify;
    TppTextAlignment textAlignment_ = taLeftJustified;
    int color_ = clWhite;
    bool transparent_ = false;
    TppFont font_;
    QString displayFormat_;
    bool save_ = false;
    int saveOrder_ = -1;
    int saveLength_ = 0;
};
