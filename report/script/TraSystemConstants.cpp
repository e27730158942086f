#include "TraSystemConstants.h"

#include <QHash>

namespace {

QHash<QByteArray, TraValue> buildTable() {
    QHash<QByteArray, TraValue> table;
    auto colour = [&](const char* name, quint32 value) {
        table.insert(QByteArray(name).toLower(), TraValue::ofInteger(qint32(value)));
    };
    colour("clBlack", 0x000000);
    colour("clMaroon", 0x000080);
    colour("clGreen", 0x008000);
    colour("clOlive", 0x008080);
    colour("clNavy", 0x800000);
    colour("clPurple", 0x800080);
    colour("clTeal", 0x808000);
    colour("clGray", 0x808080);
    colour("clDkGray", 0x808080);
    colour("clSilver", 0xC0C0C0);
    colour("clLtGray", 0xC0C0C0);
    colour("clRed", 0x0000FF);
    colour("clLime", 0x00FF00);
    colour("clYellow", 0x00FFFF);
    colour("clBlue", 0xFF0000);
    colour("clFuchsia", 0xFF00FF);
    colour("clAqua", 0xFFFF00);
    colour("clWhite", 0xFFFFFF);
    colour("clNone", 0x1FFFFFFF);
    const char* const systemColours[] = {"clBackground",
                                         "clActiveCaption",
                                         "clInactiveCaption",
                                         "clMenu",
                                         "clWindow",
                                         "clWindowFrame",
                                         "clMenuText",
                                         "clWindowText",
                                         "clCaptionText",
                                         "clActiveBorder",
                                         "clInactiveBorder",
                                         "clAppWorkSpace",
                                         "clHighlight",
                                         "clHightlightText",
                                         "clBtnFace",
                                         "clBtnShadow",
                                         "clGrayText",
                                         "clBtnText",
                                         "clInactiveCaptionText",
                                         "clBtnHighlight",
                                         "cl3DDkShadow",
                                         "cl3DLight",
                                         "clInfoText",
                                         "clInfoBk"};
    quint32 index = 1;
    for (const char* name : systemColours)
        colour(name, 0xFF000000u + index++);

    auto text = [&](const char* name, const char* value) {
        table.insert(QByteArray(name).toLower(), TraValue::ofString(QByteArray(value)));
    };
    text("dtArchive", "ArchiveFile");
    text("dtPrinter", "Printer");
    text("dtFile", "TextFile");
    text("dtTextFile", "TextFile");
    text("dtReportTextFile", "ReportTextFile");
    text("dtScreen", "Screen");

    TraValue null;
    null.setVariantNull();
    table.insert("null", null);
    TraValue nil;
    nil.setObject(daObject, nullptr);
    table.insert("nil", nil);
    return table;
}

} // namespace

std::optional<TraValue> findSystemConstant(const QByteArray& name) {
    static const QHash<QByteArray, TraValue> table = buildTable();
    const auto it = table.constFind(name.toLower());
    return it == table.cend() ? std::nullopt : std::optional<TraValue>(*it);
}
