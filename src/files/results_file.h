#pragma once
// The results file an evaluation appends to: identity block, header block per exercise file, one
// record block per oscillogram and the mark line. Each block goes to disk in one durable write
// before the program moves on, so a crash loses nothing already answered. A block the file
// refuses (folder gone, disk full, share unreachable) waits in memory and goes, in order, with
// the next write that succeeds. Lines end with CR LF, in Windows-1252, as the teacher's tools
// read them.
#include <string>
#include <vector>

namespace ondivel {

class Platform;

class ResultsFile {
  public:
    explicit ResultsFile(Platform& platform) : platform_(platform) {}

    // A new evaluation's file; the pupil will be told again if it cannot be written. Blocks still
    // waiting go to it first.
    void setPath(std::string path);
    const std::string& path() const { return path_; }

    // One durable write of the lines, after any block still waiting. When it fails, the pupil is
    // told once per evaluation to call the teacher; the evaluation goes on.
    bool append(const std::vector<std::string>& lines);
    // Tries again to write the blocks still waiting; true when none is left.
    bool flush();
    void discardUnwritten() { waiting_.clear(); }

  private:
    Platform& platform_;
    std::string path_;
    bool failureShown_ = false;
    std::string waiting_; // Windows-1252 bytes not yet on disk
};

// The blocks, in UTF-8, one string per line.
std::vector<std::string> IdentityBlock(const std::string& name, const std::string& firstName,
                                       const std::string& className);
std::vector<std::string> HeaderBlock(const std::string& exerciseFile, const std::string& dateTime);
// After the two record lines of an oscillogram: the running score and the closing asterisks.
std::vector<std::string> ScoreLines(double points);
std::string MarkLine(const std::string& mark);

} // namespace ondivel
