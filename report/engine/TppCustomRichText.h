#pragma once

#include "DrawingTypes.h"
#include "TppStretchable.h"

#include <QByteArray>

class TppRichTextDocument;

// Formatted text (a rich text document) that grows with its content: with
// Stretch in a growing band it fills its box down to the page bottom and
// continues on the next page from the first character that did not fit.
class TppCustomRichText : public TppStretchable {
public:
    PW_CLASS_INFO

    explicit TppCustomRichText(OwnedComponent* owner = nullptr);
    ~TppCustomRichText() override;

    // The stored document, as rich text.
    QByteArray RichText() const { return richText_; }
    void SetRichText(const QByteArray& rtf);
    int Color() const { return color_; }
    void SetColor(int color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The first and last character placed on the current page; -1 before any.
    int StartCharPos = -1;
    int EndCharPos = -1;
    // The characters scripts select to read or replace (SelText), from 0.
    int SelStart = 0;
    int SelLength = 0;
    // Files and streams loaded into the document hold plain text, not rich text.
    bool PlainText = false;

    bool CanGrow() const override { return true; }
    const ClassInfo* CommandClass() const override;
    void InitForReport() override;
    void MeasureContent() override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

protected:
    // The character range placed on the page: the next page starts after it.
    void CacheFields(CacheRecord& record) override;
    // The document this generation prints, as rich text: the stored one,
    // a field's, or a merged copy.
    virtual QByteArray PrintedDocument() { return richText_; }

private:
    void measureStretching(TppRichTextDocument& document);
    bool pageOtherwiseEmpty() const;

    QByteArray richText_;
    int color_ = clWhite;
    bool transparent_ = false;
    // The document measured in this generation, handed to the draw command.
    QByteArray printed_;
};
