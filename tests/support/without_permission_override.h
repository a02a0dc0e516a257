#pragma once

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

namespace pellamar::testing {

// Run as root, a test cannot make a file or folder read-only by its mode
// alone: this takes the override of file permissions out of the calling
// thread's effective capabilities for its lifetime (the permitted set keeps
// it, to restore). Active() is false when the modes bind already (not root)
// or the capabilities could not be lowered.
class WithoutPermissionOverride {
 public:
  WithoutPermissionOverride() {
    if (::geteuid() != 0) return;
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2];
    std::memcpy(lowered, saved_, sizeof lowered);
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
  }
  ~WithoutPermissionOverride() {
    if (lowered_) ::syscall(SYS_capset, &header_, saved_);
  }
  WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
  WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

  // True when file modes bind the caller now.
  bool ModesBind() const { return ::geteuid() != 0 || lowered_; }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2] = {};
  bool lowered_ = false;
};

}  // namespace pellamar::testing
#endif
