#pragma once

// The cups-pdf print queue that ./test.sh sets up, and the PDF files its
// jobs land as, for the tests that print for real.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QUuid>

struct CupsPdfQueue {
    QString name;
    // Why the queue cannot be printed to; empty when it can.
    QString missing;
    // Where the queue was set up (./test.sh, CI) its absence is a failure;
    // elsewhere the test is skipped.
    bool required = false;

    // The queue ./test.sh names in PW_PRINT_QUEUE, looked for among the
    // printers a catalogue lists.
    static CupsPdfQueue find(const QStringList& installedPrinters) {
        CupsPdfQueue queue;
        queue.name = qEnvironmentVariable("PW_PRINT_QUEUE", QStringLiteral("PagewrightPDF"));
        queue.required = qEnvironmentVariableIsSet("PW_PRINT_QUEUE") || qEnvironmentVariableIsSet("CI");
        if (qEnvironmentVariableIsSet("PW_PRINT_QUEUE_ERROR")) {
            queue.missing = QStringLiteral("no print queue: ") + qEnvironmentVariable("PW_PRINT_QUEUE_ERROR");
            queue.required = true;
        } else if (!installedPrinters.contains(queue.name)) {
            queue.missing =
                QStringLiteral("the CUPS queue %1 is not there (./test.sh starts CUPS and adds it)")
                    .arg(queue.name);
        }
        return queue;
    }

    // A job title no other run uses: cups-pdf names the file it writes after it.
    static QString uniqueTitle() {
        return QStringLiteral("pw-print-%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    }

    // Where cups-pdf puts what the queue prints: its configuration's "Out",
    // with the user's home and name filled in.
    static QString outFolder() {
        if (qEnvironmentVariableIsSet("PW_PRINT_OUT"))
            return qEnvironmentVariable("PW_PRINT_OUT");
        QString out = QStringLiteral("${HOME}/PDF");
        QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
        if (conf.open(QIODevice::ReadOnly))
            for (const QByteArray& line : conf.readAll().split('\n'))
                if (line.startsWith("Out ") || line.startsWith("Out\t"))
                    out = QString::fromUtf8(line.mid(4).trimmed());
        return out.replace(QStringLiteral("${HOME}"), QDir::homePath())
            .replace(QStringLiteral("${USER}"),
                     qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME")));
    }

    // Waits up to 30 s for the job titled `title` to land complete and gives
    // what pdfinfo says of it (empty when nothing landed); the file is removed.
    static QString landedPdfInfo(const QString& title) {
        const QDir out(outFolder());
        QString landed;
        const QDeadlineTimer deadline(30000);
        while (landed.isEmpty() && !deadline.hasExpired()) {
            const QStringList found = out.entryList({title + "*.pdf"}, QDir::Files);
            if (!found.isEmpty() && QFileInfo(out.filePath(found.first())).size() > 0)
                landed = out.filePath(found.first());
            else
                QThread::msleep(100);
        }
        if (landed.isEmpty())
            return {};
        // The file is complete once ghostscript has closed it; pdfinfo says so.
        QString info;
        while (!deadline.hasExpired() && !(info = pdfInfo(landed)).contains("Pages:"))
            QThread::msleep(100);
        QFile::remove(landed);
        return info;
    }

    static QString pagesOf(const QString& info) {
        return info.section("Pages:", 1).section('\n', 0, 0).trimmed();
    }

private:
    static QString pdfInfo(const QString& file) {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {file});
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};
