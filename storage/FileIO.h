// Whole-file reading and atomic whole-file replacement, the only ways the core touches files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class TReadResult { Ok, Missing, Failed };

// Reads the file into `content`. A file that does not exist is Missing; one that exists but cannot be
// read, is a directory or is larger than `maxBytes` is Failed, with the reason in `reason`.
TReadResult ReadWholeFile(const std::string& path, std::string& content, std::string& reason,
                          size_t maxBytes = size_t(256) << 20);

// Replaces the file at `path` by `content`: written to a temporary file in the same folder, flushed to
// disk, then renamed over the old file. On failure the old file is untouched, the temporary file is
// removed, and `reason` holds the system's reason.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& reason);
// The same, for a file the user sees created: on failure `message` reads "Cannot create file "<path>".
// <reason>".
bool CreateFileAtomically(const std::string& path, std::string_view content, std::string& message);

// "Cannot open file "<path>". <reason>", for a file that exists but cannot be read.
std::string CannotOpenFileMessage(const std::string& path, const std::string& reason);

// The steps of a save at which the system can refuse; tests make them fail on purpose.
enum class TWriteStep { CreateTemporary, Write, Flush, Rename };
// Returns an errno value to make the step fail, 0 to let it run. `index` counts the writes of one save.
using TWriteFaultHook = std::function<int(TWriteStep step, int index)>;
void SetWriteFaultHook(TWriteFaultHook hook);

// The system's text for an errno value.
std::string SystemReason(int error);

// The lines of a text: CR, LF or CR LF end a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
void ForEachLine(std::string_view text, const std::function<void(std::string_view line)>& visit);
