#include "documents/standin/zip_entry.h"

#include <zip.h>

#include <memory>

namespace lexiglean {
namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct MemberCloser {
  void operator()(zip_file_t* member) const { zip_fclose(member); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Member = std::unique_ptr<zip_file_t, MemberCloser>;

ZipEntryStatus OpenFailure(int code) {
  switch (code) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_MEMORY:
      return ZipEntryStatus::Unreadable;
    case ZIP_ER_NOZIP:
      return ZipEntryStatus::NotZip;
    default:
      return ZipEntryStatus::Damaged;
  }
}

ZipEntry Status(ZipEntryStatus status) { return {status, {}}; }

}  // namespace

ZipEntry ReadZipEntry(const std::filesystem::path& archivePath, std::string_view name, std::uint64_t maxBytes) {
  int openError = 0;
  Archive archive(zip_open(archivePath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &openError));
  if (!archive) return Status(OpenFailure(openError));

  const std::string memberName(name);
  const zip_int64_t index = zip_name_locate(archive.get(), memberName.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return Status(ZipEntryStatus::Missing);

  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    return Status(ZipEntryStatus::Damaged);
  }
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
    return Status(ZipEntryStatus::Encrypted);
  }
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxBytes) return Status(ZipEntryStatus::TooLarge);

  Member member(zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0));
  if (!member) {
    const int code = zip_error_code_zip(zip_get_error(archive.get()));
    return Status(code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD ? ZipEntryStatus::Encrypted
                                                                          : ZipEntryStatus::Damaged);
  }

  // The claimed size may lie: read in chunks and stop as soon as the cap is passed.
  ZipEntry entry{ZipEntryStatus::Read, {}};
  constexpr std::size_t kChunk = 1 << 16;
  for (;;) {
    const std::size_t used = entry.bytes.size();
    if (used > maxBytes) return Status(ZipEntryStatus::TooLarge);
    entry.bytes.resize(used + kChunk);
    const zip_int64_t got = zip_fread(member.get(), entry.bytes.data() + used, kChunk);
    if (got < 0) return Status(ZipEntryStatus::Damaged);  // inflate or checksum error
    entry.bytes.resize(used + static_cast<std::size_t>(got));
    if (got == 0) break;
  }
  if (entry.bytes.size() > maxBytes) return Status(ZipEntryStatus::TooLarge);
  return entry;
}

}  // namespace lexiglean
