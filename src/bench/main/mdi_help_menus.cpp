// The main window's Help menu: the help pages, the tips, the maker's web site and the About box.
#include "bench/main/frm_about.h"
#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/main/tips.h"
#include "bench/ondivel.h"
#include "core/help_topics.h"
#include "core/platform.h"
#include "files/web_addresses.h"

namespace ondivel {

void MDIOndivel::Mnu_Help_Contents_Click() {
    app().ShowHelpTopic(kHelpContentsTopic);
}

void MDIOndivel::Mnu_Help_Index_Click() {
    app().ShowHelpTopic(kHelpIndexTopic);
}

void MDIOndivel::Mnu_Tip_Click() {
    app().frmTip().ShowModal();
}

void MDIOndivel::Mnu_NewTip_Click() {
    if (!TeacherGate()) return;
    Platform& platform = app().platform();
    // The shipped list may sit in a read-only folder: the teacher edits the shared copy.
    const std::string file = EditableTipsFile(app());
    if (file.empty())
        platform.messageBox(std::string("Le fichier suivant ne peut pas être créé :") + "\r\n" +
                                app().g.DossierPartage + kTipsFileName + "\r\n" +
                                "Vérifiez que le dossier partagé est accessible.",
                            vbCritical, "Erreur sur le chemin d'accés");
    else if (!platform.openTextFile(file))
        platform.messageBox(std::string("Aucun éditeur de texte n'a pu ouvrir le fichier :") + "\r\n" + file,
                            vbCritical, "Erreur sur le chemin d'accés");
}

void MDIOndivel::Mnu_Web_Click() {
    app().platform().launch(WebSiteAddress(app().programFolder()));
}

void MDIOndivel::Mnu_About_Click() {
    app().frmAbout().ShowModal();
}

} // namespace ondivel
