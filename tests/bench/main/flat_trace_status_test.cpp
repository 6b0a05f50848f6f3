#include <gtest/gtest.h>

#include <string>

#include "bench/main/flat_trace_status.h"

namespace ondivel {
namespace {

using Source = ChannelWiring::Source;

// A channel whose signal gets through: source on and delivering, input plug in, flag set.
ChannelWiring Wired(Source source) {
    return {true, source, true, true, true, true};
}

// The scope on in free mode with its ground plug, CH1 wired to `ch1`, CH2 to `ch2`.
WiringFacts Bench(ChannelWiring ch1, ChannelWiring ch2) {
    WiringFacts facts;
    facts.freeMode = true;
    facts.scopeOn = true;
    facts.groundPlug = true;
    facts.channel[0] = ch1;
    facts.channel[1] = ch2;
    return facts;
}

// A generator whose own cable is incomplete, the scope side plugged.
ChannelWiring Unplugged(Source source) {
    ChannelWiring c = Wired(source);
    c.sourceDelivers = false;
    return c;
}

ChannelWiring Off(Source source) {
    ChannelWiring c = Unplugged(source);
    c.sourceOn = false;
    return c;
}

ChannelWiring NoInputPlug(Source source) {
    ChannelWiring c = Wired(source);
    c.inputPlug = false;
    c.inputReceives = false;
    return c;
}

ChannelWiring Hidden(ChannelWiring c) {
    c.displayed = false;
    return c;
}

WiringFacts NoGround(WiringFacts facts) {
    facts.groundPlug = false;
    for (ChannelWiring& c : facts.channel)
        c.inputReceives = false;
    return facts;
}

WiringFacts Evaluated(WiringFacts facts) {
    facts.freeMode = false;
    return facts;
}

WiringFacts ScopeOff(WiringFacts facts) {
    facts.scopeOn = false;
    return facts;
}

struct Case {
    const char* name;
    WiringFacts facts;
    std::string status;
};

const ChannelWiring kGbf = Wired(Source::Generator);
const ChannelWiring kNone = {true, Source::None, true, false, true, true};

// clang-format off
const Case kCases[] = {
    {"AllWired", Bench(kGbf, Wired(Source::Battery)), ""},
    {"NoSourceChosen", Bench(kNone, kGbf), "CH1 : aucune source n'est branchée."},
    // After an evaluation both sides still count as delivering: "none" is named all the same.
    {"NoSourceEvenWhenMarkedDelivering", Bench(kGbf, kNone), "CH2 : aucune source n'est branchée."},
    {"GeneratorOff", Bench(kGbf, Off(Source::Generator)), "CH2 : le générateur est éteint."},
    {"HarmonicGeneratorOff", Bench(Off(Source::HarmonicGenerator), kGbf),
     "CH1 : le générateur d'harmoniques est éteint."},
    {"SupplyOff", Bench(Off(Source::Supply), kGbf), "CH1 : l'alimentation est éteinte."},
    // Switched off and unplugged: the switch comes first.
    {"SwitchBeforeItsPlugs", Bench(Off(Source::Generator), kGbf), "CH1 : le générateur est éteint."},
    {"GeneratorPlug", Bench(Unplugged(Source::Generator), kGbf),
     "CH1 : une fiche du générateur n'est pas branchée."},
    {"SupplyPlug", Bench(kGbf, Unplugged(Source::Supply)),
     "CH2 : une fiche de l'alimentation n'est pas branchée."},
    {"MainsPlug", Bench(Unplugged(Source::Mains), kGbf),
     "CH1 : une fiche de la prise secteur n'est pas branchée."},
    {"AlternatorPlug", Bench(kGbf, Unplugged(Source::Alternator)),
     "CH2 : une fiche de l'alternateur n'est pas branchée."},
    // The source side is followed before the oscilloscope's plugs.
    {"SourcePlugBeforeInputPlug", Bench(kGbf, [] { ChannelWiring c = NoInputPlug(Source::Generator);
                                                   c.sourceDelivers = false; return c; }()),
     "CH2 : une fiche du générateur n'est pas branchée."},
    {"InputPlugCH1", Bench(NoInputPlug(Source::Generator), kGbf),
     "CH1 : la fiche de l'entrée CH1 n'est pas branchée."},
    {"InputPlugCH2", Bench(kGbf, NoInputPlug(Source::Battery)),
     "CH2 : la fiche de l'entrée CH2 n'est pas branchée."},
    // The ground plug is shared: both channels lack it, on one line.
    {"GroundPlugForBoth", NoGround(Bench(kGbf, kGbf)),
     "CH1 : la fiche de masse n'est pas branchée.  CH2 : la fiche de masse n'est pas branchée."},
    {"InputPlugBeforeGround", NoGround(Bench(NoInputPlug(Source::Generator), Hidden(kGbf))),
     "CH1 : la fiche de l'entrée CH1 n'est pas branchée."},
    {"BothChannelsOnOneLine", Bench(Off(Source::Generator), kNone),
     "CH1 : le générateur est éteint.  CH2 : aucune source n'est branchée."},
    // Only the channels the mode shows speak.
    {"ChannelNotDisplayed", Bench(Hidden(kNone), Off(Source::Generator)), "CH2 : le générateur est éteint."},
    {"NoChannelDisplayed", NoGround(Bench(Hidden(kNone), Hidden(kNone))), ""},
    // An evaluation would be given away; a dark screen explains itself.
    {"SilentInEvaluatedMode", Evaluated(NoGround(Bench(kNone, Off(Source::Generator)))), ""},
    {"SilentWithTheScopeOff", ScopeOff(Bench(kNone, kNone)), ""},
    // Flags out of step with the plugs leave nothing a pupil could fix.
    {"NothingToNameWhenThePlugsAreIn", Bench([] { ChannelWiring c = kGbf; c.inputReceives = false;
                                                  return c; }(), kGbf), ""},
};
// clang-format on

class FlatTraceStatusTest : public testing::TestWithParam<Case> {};

TEST_P(FlatTraceStatusTest, NamesTheFirstMissingLink) {
    EXPECT_EQ(FlatTraceStatus(GetParam().facts), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Wiring, FlatTraceStatusTest, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace ondivel
