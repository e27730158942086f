#include "PdfOutline.h"

#include "TppOutlineNode.h"

#include <QRegularExpression>

namespace {

struct WriterFile {
    qint64 startXref = -1;
    int size = 0;
    QByteArray root;
    QByteArray info;
    QByteArray catalog;
    QList<QByteArray> pages;
};

QByteArray objectBody(const QByteArray& pdf, const QByteArray& reference) {
    const QByteArray number = reference.split(' ').value(0);
    const QRegularExpression start(QStringLiteral("(^|\\n)%1 0 obj\\s*").arg(QString::fromLatin1(number)));
    const QRegularExpressionMatch found = start.match(QString::fromLatin1(pdf));
    if (!found.hasMatch())
        return {};
    const qsizetype from = found.capturedEnd();
    const qsizetype to = pdf.indexOf("endobj", from);
    return to < 0 ? QByteArray() : pdf.mid(from, to - from).trimmed();
}

QByteArray referenceAfter(const QByteArray& text, const char* key) {
    const QRegularExpression reference(QStringLiteral("%1\\s+(\\d+ \\d+ R)").arg(QLatin1String(key)));
    return reference.match(QString::fromLatin1(text)).captured(1).toLatin1();
}

// The trailer, catalog and page list of the file the writer made.
bool readWriterFile(const QByteArray& pdf, WriterFile& file) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailer < 0)
        return false;
    bool ok = false;
    file.startXref = pdf.mid(startxref + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    const QByteArray trailerText = pdf.mid(trailer, startxref - trailer);
    file.size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)"))
                    .match(QString::fromLatin1(trailerText))
                    .captured(1)
                    .toInt();
    file.root = referenceAfter(trailerText, "/Root");
    file.info = referenceAfter(trailerText, "/Info");
    file.catalog = objectBody(pdf, file.root);
    const QByteArray pages = objectBody(pdf, referenceAfter(file.catalog, "/Pages"));
    const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    const QString kidList = kids.match(QString::fromLatin1(pages)).captured(1);
    QRegularExpressionMatchIterator each =
        QRegularExpression(QStringLiteral("(\\d+ \\d+ R)")).globalMatch(kidList);
    while (each.hasNext())
        file.pages << each.next().captured(1).toLatin1();
    return file.size > 0 && !file.root.isEmpty() && file.catalog.endsWith(">>") && !file.pages.isEmpty();
}

// A text string as UTF-16 with its byte order mark, so any caption survives.
QByteArray pdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray ref(int number) {
    return QByteArray::number(number) + " 0 R";
}

class OutlineObjects {
public:
    OutlineObjects(const WriterFile& file, const QList<int>& pageNumbers)
        : file_(file), pageNumbers_(pageNumbers), next_(file.size) {}

    // The outline dictionary's number; the items follow it.
    int add(const TppOutlineNode& root) {
        const int outlines = next_++;
        bodies_.append(QByteArray());
        const auto [first, last] = addChildren(root, outlines);
        bodies_[0] = "<< /Type /Outlines /First " + ref(first) + " /Last " + ref(last) + " /Count " +
                     QByteArray::number(root.AbsoluteChildNodeCount()) + " >>";
        return outlines;
    }
    int firstNumber() const { return file_.size; }
    const QList<QByteArray>& bodies() const { return bodies_; }

private:
    std::pair<int, int> addChildren(const TppOutlineNode& node, int parent) {
        QList<int> numbers;
        for (int i = 0; i < node.ChildCount(); ++i) {
            numbers << next_++;
            bodies_.append(QByteArray());
        }
        for (int i = 0; i < node.ChildCount(); ++i) {
            const TppOutlineNode& child = *node.ChildNode(i);
            QByteArray body = "<< /Title " + pdfText(child.Caption) + " /Parent " + ref(parent);
            if (i > 0)
                body += " /Prev " + ref(numbers[i - 1]);
            if (i + 1 < numbers.size())
                body += " /Next " + ref(numbers[i + 1]);
            if (child.ChildCount() > 0) {
                const auto [first, last] = addChildren(child, numbers[i]);
                body += " /First " + ref(first) + " /Last " + ref(last) + " /Count " +
                        QByteArray::number(child.AbsoluteChildNodeCount());
            }
            const qsizetype page = pageNumbers_.indexOf(child.PageReference);
            if (page >= 0 && page < file_.pages.size())
                body += " /Dest [" + file_.pages[page] + " /XYZ null null null]";
            bodies_[numbers[i] - file_.size] = body + " >>";
        }
        return {numbers.first(), numbers.last()};
    }

    const WriterFile& file_;
    const QList<int>& pageNumbers_;
    int next_;
    QList<QByteArray> bodies_;
};

QByteArray xrefEntry(qint64 offset) {
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
}

} // namespace

QByteArray withPdfOutline(const QByteArray& pdf, const TppOutlineNode& root, const QList<int>& pageNumbers) {
    WriterFile file;
    if (root.ChildCount() == 0 || !readWriterFile(pdf, file))
        return pdf;
    OutlineObjects objects(file, pageNumbers);
    const int outlines = objects.add(root);

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    QList<qint64> offsets;
    for (int i = 0; i < objects.bodies().size(); ++i) {
        offsets << out.size();
        out +=
            QByteArray::number(objects.firstNumber() + i) + " 0 obj\n" + objects.bodies()[i] + "\nendobj\n";
    }
    const qint64 catalogOffset = out.size();
    const QByteArray catalog = file.catalog.left(file.catalog.size() - 2).trimmed() + "\n/Outlines " +
                               ref(outlines) + "\n/PageMode /UseOutlines\n>>";
    out += file.root.left(file.root.size() - 1) + "obj\n" + catalog + "\nendobj\n";

    const qint64 xref = out.size();
    const int rootNumber = file.root.split(' ').value(0).toInt();
    out += "xref\n" + QByteArray::number(rootNumber) + " 1\n" + xrefEntry(catalogOffset);
    out += QByteArray::number(objects.firstNumber()) + ' ' + QByteArray::number(offsets.size()) + '\n';
    for (const qint64 offset : offsets)
        out += xrefEntry(offset);
    out += "trailer\n<< /Size " + QByteArray::number(objects.firstNumber() + offsets.size()) + " /Root " +
           file.root + (file.info.isEmpty() ? QByteArray() : " /Info " + file.info) + " /Prev " +
           QByteArray::number(file.startXref) + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}
