#include "TppTextFileDevice.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PadText.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppResourceManager.h"

#include <algorithm>

namespace {

constexpr int kTextFile = 37; // "Text File"

} // namespace

const ClassInfo& TppTextFileDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppTextFileDevice>("TppTextFileDevice", &TppFileDevice::staticClassInfo(), [](auto& c) {
            using T = TppTextFileDevice;
            c.property("TextFileType", &T::TextFileType, &T::SetTextFileType)
                .names(enumerationNames("TppFileType"))
                .withDefault(ftComma);
        });
    return info;
}

const FileDeviceTraits& TppTextFileDevice::Traits() {
    static const FileDeviceTraits traits{[] { return LanguageString(kTextFile); }, QStringLiteral("txt"),
                                         QStringLiteral("Text files|*.TXT|All files|*.*")};
    return traits;
}

TppTextFileDevice::TppTextFileDevice(OwnedComponent* owner) : TppFileDevice(owner) {}

TppTextFileDevice::~TppTextFileDevice() {
    markDestroying();
    FinishOnDestroy();
}

void TppTextFileDevice::SetTextFileType(TppFileType value) {
    if (!InJob())
        textFileType_ = value;
}

void TppTextFileDevice::resetState() {
    firstValueOfPage_ = firstValueOfRecord_ = lastValueOfRecord_ = false;
    lastRecordOfPage_ = firstRecordOfReport_ = lastRecordOfReport_ = false;
    valueIndex_ = recordIndex_ = 0;
}

void TppTextFileDevice::BeginJob() {
    const bool starting = !InJob();
    TppFileDevice::BeginJob();
    if (starting)
        resetState();
}

void TppTextFileDevice::FinishJob() {
    resetState();
    TppFileDevice::FinishJob();
}

QList<TppDrawText*> savedTexts(const TppPage& page) {
    QList<TppDrawText*> items;
    for (int i = 0; i < page.DrawCommandCount(); ++i)
        if (auto* text = dynamic_cast<TppDrawText*>(page.DrawCommand(i));
            text && text->BandSave && text->ComponentSave)
            items.append(text);
    // Numbers, not their "%8d" texts: a SaveOrder of -1 (never ordered)
    // would otherwise sort between 9 and 10.
    std::stable_sort(items.begin(), items.end(), [](const TppDrawText* a, const TppDrawText* b) {
        return std::pair(a->BandSaveNo, a->ComponentSaveNo) < std::pair(b->BandSaveNo, b->ComponentSaveNo);
    });
    return items;
}

QString TppTextFileDevice::valueOf(const TppDrawText& item) const {
    QString value = item.Text;
    switch (textFileType_) {
    case ftFixedLength:
        value = PadText(value, item.SaveLength, item.TextAlignment());
        break;
    case ftComma:
        // An enclosed value doubles its quotes, so a reader finds where it
        // ends; a bare value keeps its quotes as they are.
        if (value.contains(u',') || value.contains(u' '))
            value = u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
        break;
    case ftTab:
    case ftCustom:
        break;
    }
    return value;
}

void TppTextFileDevice::WritePage(TppPage& page) {
    const QList<TppDrawText*> items = savedTexts(page);
    if (items.isEmpty())
        return;
    const QString separator = textFileType_ == ftComma ? QStringLiteral(",")
                              : textFileType_ == ftTab ? QStringLiteral("\t")
                                                       : QString();
    const int lastRecord = items.last()->BandSaveNo;
    firstValueOfPage_ = true;
    lastRecordOfPage_ = false;
    firstRecordOfReport_ = page.AbsolutePageNo == 1;
    for (qsizetype i = 0; i < items.size();) {
        const int record = items[i]->BandSaveNo;
        valueIndex_ = 0;
        firstValueOfRecord_ = true;
        lastValueOfRecord_ = false;
        lastRecordOfReport_ = page.LastPage && record == lastRecord;
        QString line;
        for (; i < items.size() && items[i]->BandSaveNo == record; ++i) {
            TppDrawText& item = *items[i];
            if (i + 1 == items.size())
                lastValueOfRecord_ = lastRecordOfPage_ = true;
            else if (items[i + 1]->BandSaveNo != record)
                lastValueOfRecord_ = true;
            QString value = valueOf(item);
            if (OnSaveText)
                OnSaveText(this, item.SourceComponent(), value);
            firstValueOfPage_ = false;
            if (firstValueOfRecord_)
                firstValueOfRecord_ = false;
            else
                value.prepend(separator);
            line += value;
            ++valueIndex_;
        }
        if (!line.isEmpty())
            Write(line.toUtf8());
        const bool endOfReport = page.LastPage && i == items.size();
        if (textFileType_ != ftCustom && !endOfReport)
            Write("\r\n");
        firstRecordOfReport_ = false;
        ++recordIndex_;
    }
}
