#pragma once

#include <QWidget>

class TppCustomReport;

// A picture of a label sheet: the report's paper with a box for each label
// its columns and detail band print on one page.
class LabelSheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit LabelSheetPreview(const TppCustomReport& report, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TppCustomReport& report_;
};
