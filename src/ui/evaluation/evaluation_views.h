#pragma once
// Registers the dialog view for the windows of the evaluated mode and the teacher tools
// (identity, answers, mark, exercise editor, password, password change, deposit folder, deleting
// exercise files); called once by registerAllViews().
namespace ondivel {

void registerEvaluationViews();

} // namespace ondivel
