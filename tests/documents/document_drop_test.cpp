// Files and folders dropped on the main window, through the fake window: what reaches the document
// list, in which order, and which boxes tell of it. Linux only: hidden files are dot files here.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "app/main_dialog.h"
#include "documents/word_processor.h"
#include "platform/text.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

namespace fs = std::filesystem;

// While it lives, this thread reads folders by their permissions only, even as root (CI runs as root).
class FolderPermissionsApply {
 public:
  FolderPermissionsApply() {
    syscall(SYS_capget, &header_, saved_);
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, reduced);
  }
  ~FolderPermissionsApply() { syscall(SYS_capset, &header_, saved_); }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
};

std::string FilesAdded(int count) {
  return "box: Files Added | " + std::to_string(count) +
         " files have been added to the list now.\\nProceed by clicking either 'Search Words' or 'Search Phrases' next.";
}

TEST(DocumentDropTest, DropsReachTheListAsTheAddDialogWouldAndManySkipsMakeOneBox) {
  const fs::path root = fs::temp_directory_path() / ("lexiglean-drop-" + std::to_string(std::random_device()()));
  for (const char* folder : {"docs/.hidden", "docs/sub/deeper", "outside", "locked/Locked"}) {
    fs::create_directories(root / folder);
  }
  for (const char* file : {"docs/a.txt", "docs/B.DOCX", "docs/c.jpg", "docs/notes.md", "docs/.secret.txt",
                           "docs/.hidden/h.txt", "docs/sub/x.pdf", "docs/sub/Y.Rtf", "docs/sub/deeper/z.HTML",
                           "outside/o.txt", "loose.pdf", "Loose.txt", "LOOSE.TXT", "other.kind", "locked/ok.txt"}) {
    std::ofstream(root / file) << "text";
  }
  fs::create_directory_symlink(root / "outside", root / "docs/sub/link");
  fs::create_symlink(root / "outside/o.txt", root / "docs/sub/o.txt");
  fs::permissions(root / "locked/Locked", fs::perms::none);
  const FolderPermissionsApply permissions;
  struct Case {
    const char* what;
    int wordVersion;
    std::vector<std::string> dropped;  // relative to the root
    std::vector<std::string> boxes;    // "@/" for the root and "/", each answered with OK
    std::vector<std::string> listed;
  };
  const Case cases[] = {
      {"a file of any kind", 16, {"other.kind"}, {FilesAdded(1)}, {"other.kind"}},
      {"a folder: its documents, nested ones too, by path ignoring case; no hidden file, no link followed", 16,
       {"docs"}, {FilesAdded(5)},
       {"docs/a.txt", "docs/B.DOCX", "docs/sub/deeper/z.HTML", "docs/sub/x.pdf", "docs/sub/Y.Rtf"}},
      {"one duplicate: the box of the add dialog", 16, {"docs/B.DOCX", "docs"},
       {"box: Pilot Error | The file '@/docs/B.DOCX' has already been added to the list.\\nThe item will be skipped.",
        FilesAdded(5)},
       {"docs/B.DOCX", "docs/a.txt", "docs/sub/deeper/z.HTML", "docs/sub/x.pdf", "docs/sub/Y.Rtf"}},
      {"one PDF without a word processor: the box of the add dialog", 0, {"docs/sub"},
       {"box: No suitable Word Version | Converting PDF documents minimally requires Word 2013.\\nThe item 'x.pdf' "
        "will be skipped.",
        FilesAdded(2)},
       {"docs/sub/deeper/z.HTML", "docs/sub/Y.Rtf"}},
      {"a mixed drop: one box for every skip, the first names (Loose.txt and LOOSE.TXT are one document)", 0,
       {"docs", "docs/a.txt", "loose.pdf", "gone.txt", "Loose.txt", "LOOSE.TXT", "docs/sub/deeper"},
       {"box: Files Skipped | 6 of the dropped items will be skipped.\\nPDF documents (converting them requires "
        "Word 2013): 2\\nFiles already in the list: 3\\nItems that no longer exist: 1\\nThe first of them:\\n"
        "'@/docs/sub/x.pdf'\\n'@/docs/a.txt'\\n'@/loose.pdf'\\n'@/LOOSE.TXT'\\n'@/docs/sub/deeper/z.HTML'",
        FilesAdded(5)},
       {"docs/a.txt", "docs/B.DOCX", "docs/sub/deeper/z.HTML", "docs/sub/Y.Rtf", "Loose.txt"}},
      {"an unreadable folder is counted", 16, {"locked"},
       {"box: Files Skipped | 1 of the dropped items will be skipped.\\nFolders that cannot be read: 1\\n"
        "The first of them:\\n'@/locked/Locked'",
        FilesAdded(1)},
       {"locked/ok.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WordMajorVersion = c.wordVersion;
    testing::RecordingWindow window;
    MainDialog dialog(window, {});
    dialog.OnInitDialog();
    window.TakeEvents();
    std::vector<std::u16string> dropped;
    for (const std::string& path : c.dropped) dropped.push_back((root / path).u16string());
    dialog.OnDropFiles(dropped);
    std::vector<std::string> expected;
    for (std::string box : c.boxes) {
      for (std::size_t at = box.find("@/"); at != std::string::npos; at = box.find("@/", at)) {
        box.replace(at, 1, root.string());
      }
      expected.insert(expected.end(), {box, "answer: ok"});
    }
    EXPECT_EQ(window.TakeEvents(), expected);
    std::vector<std::u16string> listed;
    std::size_t widest = 0;
    for (const std::string& path : c.listed) {
      listed.push_back((root / path).u16string());
      widest = std::max(widest, listed.back().size());
    }
    EXPECT_EQ(std::vector<std::u16string>(window.ComboEntries().begin() + 1, window.ComboEntries().end()), listed);
    EXPECT_EQ(window.ComboGetCurSel(), 0);
    EXPECT_EQ(window.DroppedWidth(), static_cast<int>(widest * 21 / 4));
  }
  WordMajorVersion = 0;
  fs::permissions(root / "locked/Locked", fs::perms::owner_all);
  fs::remove_all(root);
}

}  // namespace
}  // namespace lexiglean
