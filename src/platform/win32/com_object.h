// COM objects of ours. A class names its interfaces and answers their
// methods and QueryInterface; ComObject<T> adds IUnknown's counting. The
// count starts at one, held by the ComPtr that make_com returns, and the
// last Release deletes the object, so make_com is the one place a bare new
// belongs. Counted with interlocked operations, since a system component
// may call from a thread of its own (GDI+ may hand a stream to a codec on
// another thread).
#pragma once

#include <new>
#include <utility>

#include "platform/win32/win32_headers.h"

#include <wrl/client.h>

namespace win32 {

template <class T>
class ComObject final : public T {
 public:
  template <class... Args>
  explicit ComObject(Args&&... args) : T(std::forward<Args>(args)...) {}

  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const auto left = static_cast<ULONG>(::InterlockedDecrement(&refs_));
    if (left == 0) delete this;
    return left;
  }

 private:
  ~ComObject() = default;

  LONG refs_ = 1;
};

// A new object holding its first reference, or null when memory ran out.
template <class T, class... Args>
Microsoft::WRL::ComPtr<T> make_com(Args&&... args) {
  Microsoft::WRL::ComPtr<T> object;
  object.Attach(new (std::nothrow) ComObject<T>(std::forward<Args>(args)...));
  return object;
}

}  // namespace win32
