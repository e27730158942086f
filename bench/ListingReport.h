#pragma once

#include "DataSource.h"
#include "TppDBPipeline.h"
#include "TppDevice.h"
#include "TppReport.h"

// What the generation benchmarks print: a detail report on Letter paper with
// a header (a title), a footer (a label) and a detail band 5 mm high with six
// data-bound texts (Month, Due and four amounts in "#,0.00"), to a device that
// counts the pages and keeps none. The rows come from whatever dataset the
// benchmark puts behind `source`.
class ListingReport {
public:
    ListingReport();

    // Runs a job for the request; the pages output.
    int print(TppPageSettingType setting, int page = 1);
    // Forgets the run: the next request starts from page 1.
    void restart();
    // Groups the rows by the field, with a footer after each group; with
    // `totals` the footer sums the four amounts and a summary sums the payments.
    void groupBy(const QString& field, bool totals);

    class PageCounter : public TppDevice {
    public:
        using TppDevice::TppDevice;
        void AcceptPage(TppPage& page) override;
        int pages = 0;
    };

    OwnedComponent form;
    DataSource* source = new DataSource(&form);
    TppDBPipeline* pipeline = new TppDBPipeline(&form);
    TppReport* report = new TppReport(&form);
    PageCounter device;
};
