#pragma once
// A started program with a pupil ready to sit an evaluation: the identity window and the mark
// window are answered by the test, exercise files are written in the shared folder, and the
// results file is read back byte for byte.
#include <functional>
#include <string>

#include "bench/evaluation/frm_exo.h"
#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_note.h"
#include "core/user_input.h"
#include "core/win1252.h"
#include "support/app_fixture.h"

namespace ondivel::testing {

class EvaluationTest : public AppFixture {
  protected:
    FrmExo& exo = app.frmExo();
    FrmName& who = app.frmName();
    FrmNote& note = app.frmNote();

    // What the pupil does in the mark window; by default, back to free mode.
    std::function<void()> atMark = [this] { user::click(note.cmdChoice[1]); };
    int identityShown = 0;

    // The machine before the program starts (settings, network).
    virtual void beforeStart() {}

    void SetUp() override {
        beforeStart();
        start();
        platform.modalRunner = [this](Form& form) {
            if (&form == &who) {
                ++identityShown;
                user::type(who.txtIdent[1], "Dupont");
                user::type(who.txtIdent[2], "Léa");
                user::type(who.txtIdent[3], "2nde B");
                user::click(who.cmdOK);
            } else if (&form == &note) {
                atMark();
            }
        };
    }

    // A file in the shared folder, its lines written in Windows-1252 with CR LF.
    std::string exercise(const std::string& name, const std::string& utf8Lines) {
        const std::string path = app.g.DossierPartage + name;
        std::string text;
        for (std::size_t start = 0; start < utf8Lines.size();) {
            const std::size_t end = utf8Lines.find('\n', start);
            text += utf8Lines.substr(start, end - start) + "\r\n";
            if (end == std::string::npos) break;
            start = end + 1;
        }
        writeBytes(path, utf8ToCp1252(text));
        return path;
    }

    // Mnu_Pilote with the file chosen in the open dialog.
    void begin(const std::string& path) {
        platform.fileAnswers.push_back(path);
        user::click(app.mdi().Mnu_Pilote);
    }

    void answerContinuous(int ch, const std::string& volts) {
        user::click(exo.voie[ch].optACDC[0]);
        user::type(exo.voie[ch].txtUmax, volts);
    }
    void answerAlternating(int ch, int shape, const std::string& volts, const std::string& hertz) {
        user::click(exo.voie[ch].optACDC[1]);
        user::select(exo.voie[ch].cmbSignal, shape);
        user::type(exo.voie[ch].txtUmax, volts);
        user::type(exo.voie[ch].txtFreq, hertz);
    }

    std::string resultsPath() const { return app.g.DossierPartage + "Resultat.txt"; }
    // The results file as UTF-8.
    std::string results() const { return cp1252ToUtf8(readBytes(resultsPath())); }
    std::string lastMessage() const { return platform.messages.empty() ? "" : platform.messages.back().text; }
};

// The header block of a file, as the results file holds it.
inline std::string headerFor(const std::string& path) {
    std::string currency;
    for (int i = 0; i < 72; ++i)
        currency += "¤";
    const std::string equals(72, '=');
    return equals + "\r\n" + currency + "\r\nNom du fichier :" + path +
           "\r\nJour et Heure :03/12/2026 09:05:07\r\n" + currency + "\r\n" + equals + "\r\n";
}

inline const std::string kIdentity =
    "\r\n" + std::string(38, '*') + "\r\nNom élève :Dupont\r\nPrénom élève :Léa\r\nClasse élève :2nde B\r\n";
inline const std::string kStars = std::string(52, '*') + "\r\n";

} // namespace ondivel::testing
