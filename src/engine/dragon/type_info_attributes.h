#pragma once
// Scoped access to the attribute blocks that ITypeInfo and ITypeLib hand out and take back.
#include "engine/dragon/com_failure.h"
#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

class TypeAttributes {
 public:
  // Throws ComError for ITypeInfo when the attributes cannot be read.
  explicit TypeAttributes(ITypeInfo* info) : info_(info) {
    ThrowIfFailed(info_->GetTypeAttr(&attributes_), info_, FromGUID(IID_ITypeInfo));
  }
  TypeAttributes(const TypeAttributes&) = delete;
  TypeAttributes& operator=(const TypeAttributes&) = delete;
  ~TypeAttributes() { info_->ReleaseTypeAttr(attributes_); }
  const TYPEATTR* operator->() const { return attributes_; }

 private:
  ITypeInfo* info_;
  TYPEATTR* attributes_ = nullptr;
};

class LibraryAttributes {
 public:
  // Throws ComError for ITypeLib when the attributes cannot be read.
  explicit LibraryAttributes(ITypeLib* library) : library_(library) {
    ThrowIfFailed(library_->GetLibAttr(&attributes_), library_, FromGUID(IID_ITypeLib));
  }
  LibraryAttributes(const LibraryAttributes&) = delete;
  LibraryAttributes& operator=(const LibraryAttributes&) = delete;
  ~LibraryAttributes() { library_->ReleaseTLibAttr(attributes_); }
  const TLIBATTR* operator->() const { return attributes_; }

 private:
  ITypeLib* library_;
  TLIBATTR* attributes_ = nullptr;
};

// A function description; empty when the index has none.
class FunctionDescription {
 public:
  FunctionDescription(ITypeInfo* info, UINT index) : info_(info) {
    if (FAILED(info_->GetFuncDesc(index, &description_))) description_ = nullptr;
  }
  FunctionDescription(const FunctionDescription&) = delete;
  FunctionDescription& operator=(const FunctionDescription&) = delete;
  ~FunctionDescription() {
    if (description_ != nullptr) info_->ReleaseFuncDesc(description_);
  }
  explicit operator bool() const { return description_ != nullptr; }
  const FUNCDESC* operator->() const { return description_; }

 private:
  ITypeInfo* info_;
  FUNCDESC* description_ = nullptr;
};

}  // namespace lexiglean::dragon
