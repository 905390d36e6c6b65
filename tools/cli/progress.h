#pragma once
// Read progress on standard error: a bar with the count and rate on a terminal, otherwise (for
// logs) a line whenever another tenth is done.
#include <QElapsedTimer>
#include <cstdio>

namespace eqbond::cli {

class Progress {
  public:
    Progress(FILE* out, bool terminal) : out_(out), terminal_(terminal) { clock_.start(); }
    void update(int done, int total);
    void finish(int done, int total);

  private:
    FILE* out_;
    bool terminal_;
    QElapsedTimer clock_;
    int last_tenth_ = 0;
    int last_done_ = -1;
};

}  // namespace eqbond::cli
