#pragma once
// A window model of the bench: a toolkit window that also reaches the application object, its
// globals and the other windows, as the program's event handlers do.
#include <string>

#include "bench/ondivel.h"
#include "core/form.h"

namespace ondivel {

class BenchForm : public Form {
  public:
    BenchForm(Ondivel& app, std::string name) : Form(app, std::move(name)), app_(app) {}
    Ondivel& app() const { return app_; }

  private:
    Ondivel& app_;
};

} // namespace ondivel
