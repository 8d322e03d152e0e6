#pragma once

#include "platform/WinApi.h"

#include <ole2.h>
#include <richedit.h>
#include <richole.h>

namespace quillet::win {

// What a rich-edit control asks of its container for embedded objects: storage for each object
// in one temporary compound file, made at the first object and deleted when the callback goes.
// Reference counted; it deletes itself at the last Release.
class RichEditOleCallback final : public IRichEditOleCallback {
 public:
  // One reference, the caller's.
  static RichEditOleCallback* Create() { return new RichEditOleCallback; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // A substorage "REOLEStorage<n>"; a failure is returned, never thrown into the control.
  HRESULT STDMETHODCALLTYPE GetNewStorage(IStorage** storage) override;
  HRESULT STDMETHODCALLTYPE GetInPlaceContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                              OLEINPLACEFRAMEINFO* frameInfo) override;
  HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL show) override;
  HRESULT STDMETHODCALLTYPE QueryInsertObject(CLSID* classId, IStorage* storage, LONG position) override;
  HRESULT STDMETHODCALLTYPE DeleteObject(IOleObject* object) override;
  HRESULT STDMETHODCALLTYPE QueryAcceptData(IDataObject* data, CLIPFORMAT* format, DWORD operation, BOOL really,
                                            HGLOBAL metafile) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  // S_FALSE: the control makes its own clipboard data.
  HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE* range, DWORD operation, IDataObject** data) override;
  HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL drag, DWORD keyState, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE GetContextMenu(WORD selectionType, IOleObject* object, CHARRANGE* range,
                                           HMENU* menu) override;

 private:
  RichEditOleCallback() = default;
  ~RichEditOleCallback();

  ULONG references_ = 1;
  IStorage* root_ = nullptr;
  int storages_ = 0;  // substorages handed out, numbered from 1
};

// Releases a COM object, for holding one in a unique_ptr.
struct ReleaseCom {
  void operator()(IUnknown* object) const { object->Release(); }
};

}  // namespace quillet::win
