// Writes the rich test configuration's commercial proposal as PDF, for the
// tests that read it back and for looking at it:
//   veltra_proposal_sample OUT.pdf [--rub] [--vat included|on-top|none]
//       [--discount PERCENT] [--added N] [--cabinet] [--logo PATH]
// --added hand-adds N more items, for a long second table. Runs without a
// display on the offscreen platform.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "report/proposal_export.h"
#include "report/qt/proposal_output.h"
#include "rich_configuration.h"
#include "sample_proposal.h"
#include "state/app.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: veltra_proposal_sample OUT.pdf [--rub] [--vat included|on-top|none]"
                     " [--discount PERCENT] [--added N] [--cabinet] [--logo PATH]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    veltra::RecordingPlatform platform;
    veltra::App app(platform, ',');
    veltra::StartUp(app, VELTRA_PRICE_LIST);
    veltra::BuildRichConfiguration(app);
    veltra::SetSampleProposal(app);
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool more = i + 1 < argc;
        if (arg == "--rub") {
            veltra::SetSampleRoubles(app);
        } else if (arg == "--vat" && more) {
            const std::string mode = argv[++i];
            app.proposal.vatMode = mode == "on-top" ? veltra::VatMode::OnTop
                                   : mode == "none" ? veltra::VatMode::None
                                                    : veltra::VatMode::Included;
            if (mode == "none") app.proposal.vatExemptReason = "УСН";
        } else if (arg == "--discount" && more) {
            app.state.config.QuotationDiscountPercent = std::atof(argv[++i]);
        } else if (arg == "--added" && more) {
            veltra::AddManyItemsByHand(app, std::atoi(argv[++i]));
        } else if (arg == "--cabinet") {
            app.proposal.cabinetPage = true;
        } else if (arg == "--logo" && more) {
            app.seller.logoPath = argv[++i];
        } else {
            std::cerr << "veltra_proposal_sample: unknown argument " << arg << '\n';
            return 2;
        }
    }
    const bool written = veltra::ExportProposalTo(app, argv[1], veltra::RenderProposalPdf);
    for (const auto& message : platform.messages) std::cerr << message.text << '\n';
    return written ? 0 : 1;
}
