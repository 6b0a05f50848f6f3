#pragma once
// Help topics that are not panels. Panels carry their own topic number (Form::HelpTopic), which
// names their page of the help ("3300.html").
namespace ondivel {

constexpr int kHelpContentsTopic = 0;
constexpr int kHelpIndexTopic = -1;

} // namespace ondivel
