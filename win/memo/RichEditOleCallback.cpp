#include "memo/RichEditOleCallback.h"

#include <string>

namespace quillet::win {
namespace {

// STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE (0x11012); a docfile
// made without a name is deleted when it is released.
constexpr DWORD kStorageMode = STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE;

std::wstring StorageName(int number) { return L"REOLEStorage" + std::to_wstring(number); }

}  // namespace

RichEditOleCallback::~RichEditOleCallback() {
  if (!root_) return;
  for (int number = 1; number <= storages_; ++number) root_->DestroyElement(StorageName(number).c_str());
  root_->Commit(STGC_DEFAULT);
  root_->Release();
}

HRESULT RichEditOleCallback::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IRichEditOleCallback)) {
    *object = static_cast<IRichEditOleCallback*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG RichEditOleCallback::AddRef() { return ++references_; }

ULONG RichEditOleCallback::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT RichEditOleCallback::GetNewStorage(IStorage** storage) {
  if (!storage) return E_POINTER;
  *storage = nullptr;
  if (!root_) {
    const HRESULT made = StgCreateDocfile(nullptr, kStorageMode, 0, &root_);
    if (FAILED(made)) return made;
  }
  ++storages_;
  return root_->CreateStorage(StorageName(storages_).c_str(), kStorageMode, 0, 0, storage);
}

// The answers below agree to everything and give nothing of their own; out-parameters are
// cleared so that the control never reads stale pointers.
HRESULT RichEditOleCallback::GetInPlaceContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               OLEINPLACEFRAMEINFO*) {
  if (frame) *frame = nullptr;
  if (document) *document = nullptr;
  return S_OK;
}

HRESULT RichEditOleCallback::ShowContainerUI(BOOL) { return S_OK; }

HRESULT RichEditOleCallback::QueryInsertObject(CLSID*, IStorage*, LONG) { return S_OK; }

HRESULT RichEditOleCallback::DeleteObject(IOleObject*) { return S_OK; }

HRESULT RichEditOleCallback::QueryAcceptData(IDataObject*, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) { return S_OK; }

HRESULT RichEditOleCallback::ContextSensitiveHelp(BOOL) { return S_OK; }

HRESULT RichEditOleCallback::GetClipboardData(CHARRANGE*, DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return S_FALSE;
}

HRESULT RichEditOleCallback::GetDragDropEffect(BOOL, DWORD, DWORD*) { return S_OK; }

HRESULT RichEditOleCallback::GetContextMenu(WORD, IOleObject*, CHARRANGE*, HMENU* menu) {
  if (menu) *menu = nullptr;
  return S_OK;
}

}  // namespace quillet::win
