#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "album/entry_registration.h"
#include "album/registrable_file.h"
#include "album/registration_prompts.h"
#include "album_fixture.h"

namespace lumidex::testing {

// Answers the managed-type question as scripted and records what it asked.
class ScriptedRegistrationPrompts : public RegistrationPrompts {
 public:
  ManagedTypeAnswer answer{true, false};
  std::vector<std::string> askedExtensions;
  std::vector<std::string> messages;

  ManagedTypeAnswer AskManagedType(const std::string& extension, const std::string&) override {
    askedExtensions.push_back(extension);
    return answer;
  }
  void Inform(const std::string& message) override { messages.push_back(message); }
};

// An album of 2014 with page 03/15 (two files with a comment on one, and the
// sub-album 旅行 of two files), real picture files below the home, and an
// EntryRegistration whose folder search takes every picture below a folder.
class RegistrationTest : public AlbumTest {
 protected:
  ScriptedRegistrationPrompts regPrompts;
  std::unique_ptr<EntryRegistration> reg;
  std::string a, b;  // the two files of page 03/15

  void OpenSample(const std::string& year = "2014") {
    a = Picture("p/a.jpg");
    b = Picture("p/b.jpg");
    WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
    WriteAlbum(YearPath(year), "[03/15]\r\n" + a + "=思い出\r\n" + b + "=\r\n@03/15旅行=旅\r\n");
    WriteAlbum(SubPath(year), "[03/15旅行]\r\n/s/x.jpg=海\r\n/s/y.jpg=\r\n");
    OpenYear(year);
    MakeRegistration();
  }

  void MakeRegistration() {
    reg = std::make_unique<EntryRegistration>(
        *store, env->types, regPrompts,
        [this](const std::string& folder) -> Result<std::vector<std::string>> {
          ++searches;
          std::vector<std::string> found;
          for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file() &&
                RegistrabilityCheck::HasRegistrableType(entry.path().string(), env->types, true)) {
              found.push_back(entry.path().string());
            }
          }
          return found;
        });
  }

  int searches = 0;
};

}  // namespace lumidex::testing
