// ITevAsnValueVisitor: implemented by clients; a value's accept() calls exactly
// one of these operations, chosen by the value's class, and returns its result.
// The value passed in is borrowed for the duration of the call.
#ifndef TEVASNVALUE_ITEVASNVALUEVISITOR_H
#define TEVASNVALUE_ITEVASNVALUEVISITOR_H

class ITevAsnValue;
class ITevAsnObjectID;

/// Implemented by clients: a value's accept() calls one of these operations.
class ITevAsnValueVisitor {
 public:
  // The order of these 13 operations is fixed.
  /// OBJECT IDENTIFIER values, with their object-identifier interface.
  virtual long visit_object_id(ITevAsnObjectID* value) = 0;
  /// OCTET STRING and Opaque values (tell them apart with get_type()).
  virtual long visit_octet_string(ITevAsnValue* value) = 0;
  /// INTEGER values.
  virtual long visit_integer(ITevAsnValue* value) = 0;
  /// NULL values.
  virtual long visit_null(ITevAsnValue* value) = 0;
  /// Counter32 values.
  virtual long visit_counter(ITevAsnValue* value) = 0;
  /// Gauge32 values.
  virtual long visit_gauge(ITevAsnValue* value) = 0;
  /// TimeTicks values.
  virtual long visit_time_ticks(ITevAsnValue* value) = 0;
  /// Counter64 values.
  virtual long visit_counter_64(ITevAsnValue* value) = 0;
  /// IpAddress values.
  virtual long visit_ip_address(ITevAsnValue* value) = 0;
  /// 16-octet IPv6 address values.
  virtual long visit_ipv6_address(ITevAsnValue* value) = 0;
  /// IPv4 address with port values.
  virtual long visit_ip_port_address(ITevAsnValue* value) = 0;
  /// IPX address values.
  virtual long visit_ipx_address(ITevAsnValue* value) = 0;
  /// noSuchObject, noSuchInstance and endOfMibView (tell them apart with get_type()).
  virtual long visit_exception(ITevAsnValue* value) = 0;

 protected:
  ~ITevAsnValueVisitor() = default;
};

#endif  // TEVASNVALUE_ITEVASNVALUEVISITOR_H
