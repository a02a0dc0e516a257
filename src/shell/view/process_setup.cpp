#include "shell/view/process_setup.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace pellamar {

void PrepareWindowProcess() {
#ifdef __GLIBC__
  // Blocks of 128 KiB and more (outline buffers, pictures) always come from
  // the system and go back to it when freed. By default glibc raises that
  // bound to the size of the largest block freed so far, and the freed
  // buffers of the outline files then stayed in the heap for good.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  // Left running, the window changes a few small pieces every second or so
  // (the dials, their captions, the clock). Sent through shared memory, each
  // change makes the X server answer with an event that wakes the program's
  // X thread; sent as plain requests, it wakes nothing. The whole window
  // (a start, a resize) is drawn as fast either way. A user's own setting
  // is kept.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

}  // namespace pellamar
