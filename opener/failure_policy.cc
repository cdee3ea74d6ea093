#include "opener/failure_policy.h"

#include <QString>

#include "platform/message_box.h"

namespace mj {

void report_by_policy(const failure& f) {
  if (f.code == kFileNotFound) return;
  platform::show_message(QString::fromStdString(f.description), kProgramTitle);
}

}  // namespace mj
