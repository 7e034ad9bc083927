// read_selection <selection> <target> <type-file> [abandon]: asks the owner
// of an X selection for one target, as a reader that speaks X directly does,
// and writes the data to standard output and the name of its type to
// type-file.  Takes the data in pieces when the owner sends it so (INCR).
// Exit status 1 when the owner refuses or does not answer within five
// seconds.  With abandon it ends as soon as the owner has answered, taking
// nothing, as a reader that crashes does.
//
// A target of MULTIPLE:<t1>,<t2>,... asks for those targets in one MULTIPLE
// request (each answer whole, not in pieces): the data of t1 goes to
// standard output and that of target i to type-file.<i>, and type-file
// holds one type a line, NONE for a target the owner did not give.
#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(r);
  return atom;
}

std::string AtomName(xcb_connection_t* c, xcb_atom_t atom) {
  xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr);
  if (!r) return "?";
  std::string name(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
  std::free(r);
  return name;
}

using Clock = std::chrono::steady_clock;

// The next event, waiting until the deadline; null when the time is up.
xcb_generic_event_t* NextEvent(xcb_connection_t* c, Clock::time_point deadline) {
  for (;;) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(c)) return e;
    if (xcb_connection_has_error(c)) return nullptr;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return nullptr;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    ::poll(&fd, 1, static_cast<int>(left));
  }
}

// Reads and deletes the property; its bytes are appended to data.
bool TakeProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, std::string& data, xcb_atom_t& type) {
  xcb_get_property_reply_t* r =
      xcb_get_property_reply(c, xcb_get_property(c, 1, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0x7fffffff), nullptr);
  if (!r) return false;
  type = r->type;
  const int length = xcb_get_property_value_length(r);
  data.append(static_cast<const char*>(xcb_get_property_value(r)), length > 0 ? std::size_t(length) : 0);
  std::free(r);
  xcb_flush(c);
  return true;
}

}  // namespace

// The MULTIPLE request of the targets in list (comma-separated).
int ReadMultiple(xcb_connection_t* c, xcb_window_t w, xcb_atom_t selection, const std::string& list,
                 const std::string& typeFile) {
  std::vector<xcb_atom_t> pairs;
  std::vector<std::string> names;
  for (std::size_t at = 0; at <= list.size();) {
    const std::size_t comma = std::min(list.find(',', at), list.size());
    names.push_back(list.substr(at, comma - at));
    pairs.push_back(Atom(c, names.back().c_str()));
    pairs.push_back(Atom(c, ("KOVRIM_TEST_READ_" + std::to_string(names.size())).c_str()));
    at = comma + 1;
  }
  const xcb_atom_t property = Atom(c, "KOVRIM_TEST_READ");
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, Atom(c, "ATOM_PAIR"), 32,
                      static_cast<std::uint32_t>(pairs.size()), pairs.data());
  xcb_convert_selection(c, w, selection, Atom(c, "MULTIPLE"), property, XCB_CURRENT_TIME);
  xcb_flush(c);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  for (;;) {
    xcb_generic_event_t* e = NextEvent(c, deadline);
    if (!e) return 1;
    const bool notified = (e->response_type & ~0x80) == XCB_SELECTION_NOTIFY;
    const bool refused = notified && reinterpret_cast<xcb_selection_notify_event_t*>(e)->property == XCB_ATOM_NONE;
    std::free(e);
    if (refused) return 1;
    if (notified) break;
  }
  // The owner marks a target it did not give with None in the list.
  std::string answered;
  xcb_atom_t type = XCB_ATOM_NONE;
  if (!TakeProperty(c, w, property, answered, type) || answered.size() != pairs.size() * 4) return 1;
  std::memcpy(pairs.data(), answered.data(), answered.size());
  FILE* types = std::fopen(typeFile.c_str(), "w");
  if (!types) return 2;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string data;
    xcb_atom_t dataType = XCB_ATOM_NONE;
    if (pairs[2 * i + 1] != XCB_ATOM_NONE && !TakeProperty(c, w, pairs[2 * i + 1], data, dataType)) return 1;
    std::fprintf(types, "%s\n", dataType == XCB_ATOM_NONE ? "NONE" : AtomName(c, dataType).c_str());
    if (i == 0) std::fwrite(data.data(), 1, data.size(), stdout);
    if (FILE* f = std::fopen((typeFile + "." + std::to_string(i + 1)).c_str(), "w")) {
      std::fwrite(data.data(), 1, data.size(), f);
      std::fclose(f);
    }
  }
  std::fclose(types);
  return 0;
}

int main(int argc, char** argv) {
  if (argc != 4 && !(argc == 5 && std::strcmp(argv[4], "abandon") == 0)) return 2;
  const bool abandon = argc == 5;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return 2;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t w = xcb_generate_id(c);
  const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                    XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t selection = Atom(c, argv[1]);
  if (std::strncmp(argv[2], "MULTIPLE:", 9) == 0) return ReadMultiple(c, w, selection, argv[2] + 9, argv[3]);
  const xcb_atom_t target = Atom(c, argv[2]);
  const xcb_atom_t property = Atom(c, "KOVRIM_TEST_READ");
  const xcb_atom_t incr = Atom(c, "INCR");
  xcb_convert_selection(c, w, selection, target, property, XCB_CURRENT_TIME);
  xcb_flush(c);

  auto deadline = Clock::now() + std::chrono::seconds(5);
  std::string data;
  xcb_atom_t type = XCB_ATOM_NONE;
  bool incremental = false, done = false;
  while (!done) {
    xcb_generic_event_t* e = NextEvent(c, deadline);
    if (!e) return 1;
    const int kind = e->response_type & ~0x80;
    if (kind == XCB_SELECTION_NOTIFY && !incremental) {
      const auto* n = reinterpret_cast<xcb_selection_notify_event_t*>(e);
      if (abandon) return n->property == XCB_ATOM_NONE ? 1 : 0;
      if (n->property == XCB_ATOM_NONE || !TakeProperty(c, w, property, data, type)) return 1;
      if (type == incr) {
        incremental = true;
        data.clear();
      } else {
        done = true;
      }
    } else if (kind == XCB_PROPERTY_NOTIFY && incremental) {
      const auto* n = reinterpret_cast<xcb_property_notify_event_t*>(e);
      if (n->atom == property && n->state == XCB_PROPERTY_NEW_VALUE) {
        const std::size_t before = data.size();
        xcb_atom_t pieceType = XCB_ATOM_NONE;
        if (!TakeProperty(c, w, property, data, pieceType)) return 1;
        if (pieceType != XCB_ATOM_NONE) type = pieceType;
        done = data.size() == before;
        deadline = Clock::now() + std::chrono::seconds(5);
      }
    }
    std::free(e);
  }
  std::fwrite(data.data(), 1, data.size(), stdout);
  if (FILE* f = std::fopen(argv[3], "w")) {
    std::fprintf(f, "%s\n", AtomName(c, type).c_str());
    std::fclose(f);
  }
  xcb_disconnect(c);
  return 0;
}
