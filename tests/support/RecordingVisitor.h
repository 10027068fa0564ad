// A visitor that records which of its operations was called, and with what.
#ifndef TEVASNVALUE_TESTS_SUPPORT_RECORDINGVISITOR_H
#define TEVASNVALUE_TESTS_SUPPORT_RECORDINGVISITOR_H

#include <string>

#include "TevAsnValue.h"

class RecordingVisitor final : public ITevAsnValueVisitor {
 public:
  std::string slot;               // name of the operation called last
  const void* visited = nullptr;  // the pointer it received
  int calls = 0;
  long result = 42;  // what every operation returns

  long visit_object_id(ITevAsnObjectID* v) override { return record("object_id", v); }
  long visit_octet_string(ITevAsnValue* v) override { return record("octet_string", v); }
  long visit_integer(ITevAsnValue* v) override { return record("integer", v); }
  long visit_null(ITevAsnValue* v) override { return record("null", v); }
  long visit_counter(ITevAsnValue* v) override { return record("counter", v); }
  long visit_gauge(ITevAsnValue* v) override { return record("gauge", v); }
  long visit_time_ticks(ITevAsnValue* v) override { return record("time_ticks", v); }
  long visit_counter_64(ITevAsnValue* v) override { return record("counter_64", v); }
  long visit_ip_address(ITevAsnValue* v) override { return record("ip_address", v); }
  long visit_ipv6_address(ITevAsnValue* v) override { return record("ipv6_address", v); }
  long visit_ip_port_address(ITevAsnValue* v) override { return record("ip_port_address", v); }
  long visit_ipx_address(ITevAsnValue* v) override { return record("ipx_address", v); }
  long visit_exception(ITevAsnValue* v) override { return record("exception", v); }

 private:
  long record(const char* name, const void* v) {
    slot = name;
    visited = v;
    ++calls;
    return result;
  }
};

#endif  // TEVASNVALUE_TESTS_SUPPORT_RECORDINGVISITOR_H
