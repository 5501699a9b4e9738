// The record a run under "keep unchanged files" leaves beside its outputs, so that the next run
// over the same inputs can see that there is nothing to do.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/digest.h"

namespace inkwright {

// note [output record]
// Users regenerate their documentation after every small edit, and most runs change nothing.
// Comparing each output with the file already there (note [kept outputs]) spares the writing, but
// not the rendering. So a run under "keep unchanged files" leaves, in its output folder, a record:
// the digest of everything it read (the program's version, the configuration file, every source
// path in order with its bytes) and, for every file it wrote, the path, size and digest of what its
// last writer left there. The next run reads the configuration, walks the sources and digests
// them; when that digest is the record's and every file of the record is still a regular, writable
// file of that size and digest, it would write exactly those bytes, so it stops before extracting,
// rendering or writing anything: no time stamp changes. Otherwise the run goes on as if there were
// no record.
// The record is only trusted once every file it names has been checked, so an out-of-date record
// does no harm: a run that could not write some output leaves the record it found (it writes none
// that would skip that output next time), and nothing needs cleaning up after a crash. Its name
// starts with a dot, as a file that no entry page, index or binding file can be named by the
// writers' defaults; the check program passes over such files.
inline constexpr std::string_view kRecordName = ".inkwright-record";

struct RecordedFile {
  std::string path;
  std::uint64_t size = 0;
  Digest digest;
  friend bool operator==(const RecordedFile&, const RecordedFile&) = default;
};

struct OutputRecord {
  Digest inputs;
  std::vector<RecordedFile> files;
  friend bool operator==(const OutputRecord&, const OutputRecord&) = default;
};

// The digest of everything a run's outputs are made from: this program's version, the digest of
// the configuration file's bytes, and the source paths in their order, each with the digest of its
// bytes (nullopt: a file that could not be read).
Digest inputsDigest(const Digest& configuration, const std::vector<std::string>& paths,
                    const std::vector<std::optional<Digest>>& sources);

// The record as its file holds it: a line "inkwright output record 1", a line "inputs " and the
// digest, then a line per file: digest, size and path, separated by one blank. Lines end in LF.
std::string recordText(const OutputRecord& record);

// The first two lines of recordText, and one file line appended to text, for a writer that writes
// the record line by line.
std::string recordHead(const Digest& inputs);
void appendRecordLine(std::string& text, const Digest& digest, std::uint64_t size,
                      std::string_view path);

// The record of a text written by recordText; nullopt for any other text.
std::optional<OutputRecord> parseRecord(std::string_view text);

// The record at path; nullopt when there is none, it is not a regular file, or it does not parse.
std::optional<OutputRecord> readRecord(const std::string& path);

// True when every file of the record is a regular file, writable, of its size and digest. Files
// are read on two threads, and the first that differs ends the check.
bool outputsMatch(const OutputRecord& record);

}  // namespace inkwright
