// The sink of a run under "keep unchanged files": it compares every output with the file already
// there before it writes, and remembers what each file holds, for the record of the run.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "text/digest.h"
#include "text/outputsink.h"

namespace inkwright {

// note [kept outputs]
// Under "keep unchanged files" an output is compared with the file already there before anything
// is written, so that a run over an unchanged library changes no time stamp and the tools
// downstream (help compiler, rsync, an editor's reload) find nothing to redo. Comparing must cost
// much less than writing: a whole text of another size than the file is written without reading
// a byte, and a text written piece by piece is compared piece by piece, reading no further than
// the first piece that differs. From there on the file is overwritten in place and, when it was
// longer, cut to the new length; it ends up with exactly the bytes a replacing write leaves. Only
// a regular file that can be read and written is compared; anything else is written as the plain
// sink writes it, except that a FIFO nobody reads fails instead of stalling the run.
// A whole text (every page) is created with one call when its file is new, as without comparing;
// an existing file is compared through a handle that only reads, and opened for writing only when
// it differs: a file opened for writing tells those who watch it (an editor, a live preview) that
// it was written when it is closed, written or not.
class KeepingSink final : public OutputSink {
 public:
  std::unique_ptr<OutputStream> create(const std::string& path) override;
  bool writeWhole(const std::string& path, std::string_view text) override;

  // Once every writer has finished: writes the record of note [output record] to recordPath, each
  // path once, where it was last written, with what that last writer left; an unchanged record is
  // left untouched. Writes nothing when an output could not be created, when a path cannot stand
  // on a line of the record, or when an output has recordPath itself, compared without case as
  // Windows compares names: the record would take its place. The record is written line by line,
  // so that it never stands in memory whole.
  void writeRecord(const Digest& inputs, const std::string& recordPath) const;

 private:
  // An output being compared and written piece by piece.
  class Stream;

  // What the sink remembers of a file written: it grows by one for every page, while the pages are
  // made, so it keeps the paths in one text and 32 bytes per file.
  struct Written {
    std::uint64_t size;
    Digest digest;
    std::uint32_t pathStart;
    std::uint32_t pathSize;
  };

  // The file at path now holds size bytes of that digest; or an output could not be created. Any
  // thread may say so.
  void written(std::string_view path, std::uint64_t size, const Digest& digest);
  void failed();
  std::string_view pathOf(const Written& file) const;

  mutable std::mutex mutex_;
  std::string paths_;
  std::vector<Written> files_;
  bool failed_ = false;
};

}  // namespace inkwright
