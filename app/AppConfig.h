#pragma once

#include <QByteArray>
#include <QString>

// Every byte replaced by its complement (255 minus the byte); the length stays.
QByteArray ComplementConfigValue(const QByteArray& value);

// The settings of CONFIG.INI, section "GENERAL". When "ECR" holds exactly
// "ECR", every other value is stored complemented and is decoded on reading.
// Missing keys are empty.
struct AppConfig {
    QString companyCaption;  // ID_2
    QString companyTarget;   // ID_3
    QString adsAddress;      // ID_4
    QString adHeadline;      // ID_8
    QString adDescription;   // ID_9
    QString adLinkText;      // ID_10
    QString adTarget;        // ID_11
    QString rotationSeconds; // ID_12, "30" unless a positive whole number
    QString title;           // ID_13

    static AppConfig read(const QString& iniPath);

    // ID_13, or "Kestrel" when it is empty.
    QString windowTitle() const;
    int rotationIntervalMs() const;
};
