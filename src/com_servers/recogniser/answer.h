#pragma once
// How every method of the server answers its client: the work runs inside Answer, and whatever it
// throws (ComError and StandinError from the stand-in, a refusal, lack of memory) leaves as the
// HRESULT, with the description set as the thread's error object (IErrorInfo) for the interface.
#include <new>
#include <string>
#include <string_view>

#include "engine/standin/standin_error.h"
#include "com_servers/recogniser/com_headers.h"

namespace lexiglean::comserver {

// Sets the error object (interface, description) and returns the HRESULT.
::HRESULT Failure(::HRESULT hr, REFIID iid, const std::u16string& description);

// Throws StandinError E_FAIL when LEXIGLEAN_STANDIN_REFUSE (comma-separated member names) names the
// member: a test's way to make the calls whose results the program does not examine fail.
void RefuseIfAsked(std::u16string_view member);

// Runs the member's work for interface iid and answers S_OK or the failure.
template <typename Work>
::HRESULT Answer(REFIID iid, std::u16string_view member, Work&& work) {
  try {
    RefuseIfAsked(member);
    work();
    return S_OK;
  } catch (const ComError& error) {
    return Failure(error.Error(), iid, error.Description());
  } catch (const standin::StandinError& error) {
    return Failure(error.Error(), iid, error.Description());
  } catch (const std::bad_alloc&) {
    return Failure(E_OUTOFMEMORY, iid, u"Not enough memory.");
  } catch (const std::exception& error) {
    return Failure(E_FAIL, iid, standin::ExceptionText(error));
  }
}

}  // namespace lexiglean::comserver
