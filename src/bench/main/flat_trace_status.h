#pragma once
// The main window's status line: for each channel in use whose trace is flat because its cable
// path is incomplete, the first plug or switch a pupil must still see to, in the order the signal
// travels (the source, its switch, its plugs, then the oscilloscope's input and ground plugs).
// Silent in evaluated mode, where naming a missing plug would give the answer away.
#include <string>

namespace ondivel {

class Ondivel;

// What is wired on one side of the bench, as the toolbox and the source panel see it.
struct ChannelWiring {
    enum class Source { None, Generator, HarmonicGenerator, Supply, Battery, Mains, Alternator };

    bool displayed = false; // the scope's mode shows this channel
    Source source = Source::None;
    bool sourceOn = false;       // its power switch; sources without one count as on
    bool sourceDelivers = false; // SourceBrancheeA / B: on, with its own plugs in place
    bool inputPlug = false;      // the oscilloscope's plug on this channel's terminal
    bool inputReceives = false;  // EntreeBrancheeCH1 / CH2
};

struct WiringFacts {
    bool freeMode = true;
    bool scopeOn = false;
    bool groundPlug = false; // the oscilloscope's ground plug, shared by both channels
    ChannelWiring channel[2];
};

// "CH1 : la fiche de masse n'est pas branchée." and the like, both channels on one line; empty
// when every channel in use receives its source.
std::string FlatTraceStatus(const WiringFacts& facts);

// The facts of the bench as it stands.
WiringFacts CurrentWiring(const Ondivel& app);

} // namespace ondivel
