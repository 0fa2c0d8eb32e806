#pragma once
// The recording doubles of every service but two: the help viewer and the wave
// player are the real ones, so a damaged help file or wave is really read. The
// damaged-data tests of every program use them.
#include "platform/services/qt_services.h"
#include "tests/support/damaged_file.h"
#include "tests/support/test_services.h"

#include <QString>

#include <string_view>

namespace test_support {

class ServicesWithRealViewers : public test_support::ScopedTestServices {
public:
    platform::HelpViewer& helpViewer() override { return realHelp; }
    platform::WavePlayer& wavePlayer() override { return realWaves; }
    platform::QtHelpViewer realHelp;
    platform::QtWavePlayer realWaves;
};

// The text that the real help viewer's window shows now; empty while none is open.
QString shownHelpText();

// What the real viewer must show now for the help file `file` (a data path) when
// `damaged` is the one thing broken: that the file was not found, that it is
// empty, or else a page with some text (the garbage of a garbled one included).
void expectShownHelp(const DamagedFile& damaged, std::string_view file);

}  // namespace test_support
