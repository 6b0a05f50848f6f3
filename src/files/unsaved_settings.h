#pragma once
// Settings values the file refused (a read-only file, a folder that cannot be reached, a full
// disk). The program goes on with them: it reads them back from here, and the next write that
// succeeds takes them along, so nothing the user chose is lost once the file can be written
// again. Nothing is said to the user: settings failures are silent, as the file store's are.
#include <optional>
#include <string>
#include <vector>

#include "files/settings_store.h"

namespace ondivel {

class UnsavedSettings {
  public:
    // Writes key=value together with every value still waiting for the same file, in one
    // rewrite; on failure they all wait for the next write.
    void write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value);
    // The value of the key as the user last set it, when it is still waiting for the file.
    std::optional<std::string> value(const std::string& file, const std::string& section,
                                     const std::string& key) const;
    bool empty() const { return waiting_.empty(); }

  private:
    std::string file_;
    std::vector<IniSetting> waiting_;
};

} // namespace ondivel
