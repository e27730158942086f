#include "TppCustomPreview.h"

#include "PagewrightErrors.h"
#include "Prompter.h"
#include "TppProducer.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"

#include <QStatusBar>
#include <QWidget>
#include <QtDebug>

TppCustomPreview::TppCustomPreview(QWidget* parent, QStatusBar* statusBar)
    : parent_(parent), statusBar_(statusBar), viewer_(new TppViewer(parent)) {
    viewer_->OnPageChange = [this] { PageChanged(); };
    viewer_->OnPrintStateChange = [this] { PrintStateChanged(); };
    viewer_->OnStatusChange = [this] { StatusChanged(); };
    viewer_->OnError = [this](const QString& message) { showError(message); };
}

TppCustomPreview::~TppCustomPreview() {
    SetReport(nullptr);
}

void TppCustomPreview::SetReport(TppProducer* report) {
    if (report_ == report)
        return;
    if (report_)
        viewer_->ScreenDevice().SetEnabled(false);
    report_ = report;
    viewer_->SetReport(report);
    if (report_)
        viewer_->ScreenDevice().SetEnabled(true);
}

void TppCustomPreview::SetLanguageIndex(int index) {
    languageIndex_ = index;
    LanguageChanged();
}

void TppCustomPreview::PageChanged() {
    if (OnPageChange)
        OnPageChange();
}

void TppCustomPreview::StatusChanged() {
    if (statusBar_ && viewer_->Busy())
        statusBar_->showMessage(viewer_->Status());
}

void TppCustomPreview::PerformPreviewAction(int code) {
    RunGuarded([&] { perform(code); });
}

bool TppCustomPreview::RunGuarded(const std::function<void()>& step) const {
    try {
        step();
        return true;
    } catch (const Exception& error) {
        showError(error.message());
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void TppCustomPreview::showError(const QString& message) const {
    if (ErrorPrompter)
        ErrorPrompter->showMessage(message);
    else
        qWarning().noquote() << message;
}

void TppCustomPreview::perform(int code) {
    switch (code) {
    case paPrint:
        if (!report_)
            return;
        if (BeforePreviewPrint)
            BeforePreviewPrint();
        try {
            viewer_->PrintReport();
        } catch (...) {
            if (AfterPreviewPrint)
                AfterPreviewPrint();
            throw;
        }
        if (AfterPreviewPrint)
            AfterPreviewPrint();
        break;
    case paAutoSearch:
        viewer_->AutoSearch();
        break;
    case paWholePage:
    case paPageWidth:
    case pa100Percent:
        SetZoom(code == paWholePage ? zsWholePage : code == paPageWidth ? zsPageWidth : zs100Percent);
        if (statusBar_)
            statusBar_->setFocus();
        break;
    case paFirstPage:
        viewer_->ShowFirstPage();
        break;
    case paPriorPage:
        viewer_->ShowPriorPage();
        break;
    case paNextPage:
        viewer_->ShowNextPage();
        break;
    case paLastPage:
        viewer_->ShowLastPage();
        break;
    case paCancel:
        if (report_ && report_->Printing())
            report_->Cancel();
        break;
    case paClose:
        if (OnClose)
            OnClose();
        break;
    }
}

void TppCustomPreview::SetZoom(TppZoomSettingType setting, int percentage) {
    if (setting == zsPercentage)
        viewer_->SetZoomPercentage(percentage);
    else
        viewer_->SetZoomSetting(setting);
    ZoomChanged();
}

bool TppCustomPreview::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_PageUp:
            PerformPreviewAction(paPriorPage);
            return true;
        case Qt::Key_PageDown:
            PerformPreviewAction(paNextPage);
            return true;
        case Qt::Key_Home:
            PerformPreviewAction(paFirstPage);
            return true;
        case Qt::Key_End:
            PerformPreviewAction(paLastPage);
            return true;
        }
        return false;
    }
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        viewer_->ScrollView(ScrollDirection::Up);
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Down:
        viewer_->ScrollView(ScrollDirection::Down);
        return true;
    case Qt::Key_Left:
        viewer_->ScrollView(ScrollDirection::Left);
        return true;
    case Qt::Key_Right:
        viewer_->ScrollView(ScrollDirection::Right);
        return true;
    }
    return false;
}
