// VISA over the simulated bench: resource manager, search, sessions, attributes, locks and
// the identification query.
#include "simbench/bench.h"
#include "visa.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using simbench::Call;
using simbench::LockBehaviour;
using simbench::Resource;
using simbench::Session;
using simbench::SessionKind;

namespace {

const char *const Library = "visa32";

// One element of a VISA search expression: a literal, any character ("?") or a list
// ("[...]"), repeated once, any number of times ("*") or at least once ("+").
struct Atom
{
    enum Kind { Literal, Any, Set } kind = Literal;
    char literal = 0;
    std::string set;
    bool negated = false;
    char repeat = 0; // 0, '*' or '+'
};

bool parseExpression(const char *expr, std::vector<Atom> *atoms)
{
    for (const char *p = expr; *p; ++p) {
        Atom atom;
        if (*p == '?') {
            atom.kind = Atom::Any;
        } else if (*p == '[') {
            atom.kind = Atom::Set;
            ++p;
            if (*p == '^') {
                atom.negated = true;
                ++p;
            }
            for (; *p && *p != ']'; ++p) {
                if (p[1] == '-' && p[2] && p[2] != ']') {
                    for (int c = static_cast<unsigned char>(*p);
                         c <= static_cast<unsigned char>(p[2]); ++c)
                        atom.set.push_back(static_cast<char>(c));
                    p += 2;
                } else {
                    atom.set.push_back(*p);
                }
            }
            if (*p != ']')
                return false;
        } else if (*p == '*' || *p == '+') {
            return false; // a repetition with nothing to repeat
        } else if (*p == '(' || *p == ')' || *p == '|' || *p == '{' || *p == '}') {
            return false; // grouping is beyond what the program asks for
        } else {
            if (*p == '\\' && p[1])
                ++p;
            atom.literal = *p;
        }
        if (p[1] == '*' || p[1] == '+') {
            atom.repeat = p[1];
            ++p;
        }
        atoms->push_back(atom);
    }
    return true;
}

bool atomMatches(const Atom &atom, char c)
{
    const char folded = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    switch (atom.kind) {
    case Atom::Any:
        return true;
    case Atom::Literal:
        return folded == std::tolower(static_cast<unsigned char>(atom.literal));
    case Atom::Set: {
        bool found = false;
        for (char m : atom.set) {
            if (std::tolower(static_cast<unsigned char>(m)) == folded)
                found = true;
        }
        return found != atom.negated;
    }
    }
    return false;
}

// Resource names are short, so plain backtracking is enough.
bool matches(const std::vector<Atom> &atoms, size_t a, const char *text)
{
    if (a == atoms.size())
        return *text == '\0';
    const Atom &atom = atoms[a];
    if (!atom.repeat)
        return *text && atomMatches(atom, *text) && matches(atoms, a + 1, text + 1);
    size_t n = 0;
    while (text[n] && atomMatches(atom, text[n]))
        ++n;
    const size_t least = atom.repeat == '+' ? 1 : 0;
    for (size_t taken = n + 1; taken-- > least;) {
        if (matches(atoms, a + 1, text + taken))
            return true;
    }
    return false;
}

// "%t" or "%Nt": the width bounds what is written, terminating zero included.
bool parseReadFormat(const char *format, long *width)
{
    if (!format || format[0] != '%')
        return false;
    const char *p = format + 1;
    *width = 0;
    if (std::isdigit(static_cast<unsigned char>(*p))) {
        char *end = nullptr;
        *width = std::strtol(p, &end, 10);
        p = end;
        if (*width < 1)
            return false;
    }
    return p[0] == 't' && p[1] == '\0';
}

std::string command(const char *format)
{
    std::string text = format;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

Session *instrument(Call &call)
{
    Session *s = call.session(Library);
    return s && s->kind == SessionKind::Instrument ? s : nullptr;
}

} // namespace

extern "C" ViStatus viOpenDefaultRM(ViSession *rm)
{
    Call call("viOpenDefaultRM", 0);
    if (call.failed())
        return call.status();
    if (!rm)
        return call.finish(VI_ERROR_INV_PARAMETER);
    *rm = call.open(Library, SessionKind::ResourceManager, -1);
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viFindRsrc(ViSession rm, ViConstString expr, ViFindList *list, ViUInt32 *count,
                               ViChar desc[])
{
    Call call("viFindRsrc", rm);
    call.arg(expr);
    if (call.failed())
        return call.status();
    Session *manager = call.session(Library);
    if (!manager || manager->kind != SessionKind::ResourceManager)
        return call.finish(VI_ERROR_INV_OBJECT);
    std::vector<Atom> atoms;
    if (!expr || !parseExpression(expr, &atoms))
        return call.finish(VI_ERROR_INV_EXPR);
    std::vector<int> found;
    for (size_t i = 0; i < call.resourceCount(); ++i) {
        if (matches(atoms, 0, call.resourceAt(i)->name.c_str()))
            found.push_back(static_cast<int>(i));
    }
    if (list)
        *list = VI_NULL;
    if (count)
        *count = 0;
    if (found.empty())
        return call.finish(VI_ERROR_RSRC_NFOUND);
    if (desc)
        simbench::copyText(call.resourceAt(static_cast<size_t>(found.front()))->name, desc,
                           VI_FIND_BUFLEN);
    if (count)
        *count = static_cast<ViUInt32>(found.size());
    const ViSession id = call.open(Library, SessionKind::FindList, -1, rm);
    Session *findList = call.session(id, Library);
    findList->matches = found;
    findList->next = 1;
    if (list)
        *list = id;
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viFindNext(ViFindList list, ViChar desc[])
{
    Call call("viFindNext", list);
    if (call.failed())
        return call.status();
    Session *findList = call.session(Library);
    if (!findList || findList->kind != SessionKind::FindList)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (findList->next >= findList->matches.size())
        return call.finish(VI_ERROR_RSRC_NFOUND);
    const Resource *r = call.resourceAt(static_cast<size_t>(findList->matches[findList->next++]));
    if (!r)
        return call.finish(VI_ERROR_RSRC_NFOUND);
    if (desc)
        simbench::copyText(r->name, desc, VI_FIND_BUFLEN);
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viOpen(ViSession rm, ViConstRsrc name, ViAccessMode mode, ViUInt32 timeout,
                           ViSession *vi)
{
    Call call("viOpen", rm);
    call.arg(name).arg(static_cast<long long>(mode)).arg(static_cast<long long>(timeout));
    if (call.failed())
        return call.status();
    Session *manager = call.session(Library);
    if (!manager || manager->kind != SessionKind::ResourceManager)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (!vi)
        return call.finish(VI_ERROR_INV_PARAMETER);
    *vi = VI_NULL;
    if (!name || !*name)
        return call.finish(VI_ERROR_INV_RSRC_NAME);
    if (mode != VI_NO_LOCK && mode != VI_EXCLUSIVE_LOCK)
        return call.finish(VI_ERROR_INV_ACC_MODE);
    const int index = call.findResource(name);
    if (index < 0)
        return call.finish(VI_ERROR_RSRC_NFOUND);
    *vi = call.open(Library, SessionKind::Instrument, index, rm);
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viClose(ViObject vi)
{
    Call call("viClose", vi);
    if (call.failed())
        return call.status();
    if (vi == VI_NULL)
        return call.finish(static_cast<ViStatus>(0x3FFF0082u)); // VI_WARN_NULL_OBJECT
    Session *s = call.session(Library);
    if (!s)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (s->kind == SessionKind::ResourceManager) {
        // Closing a resource manager closes everything opened through it.
        for (ViSession child : call.children(vi, Library))
            call.close(child);
    }
    call.close(vi);
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viGetAttribute(ViObject vi, ViAttr attribute, void *value)
{
    Call call("viGetAttribute", vi);
    call.arg(static_cast<long long>(attribute));
    if (call.failed())
        return call.status();
    Session *s = instrument(call);
    const Resource *r = call.resource(s);
    if (!r)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (!value)
        return call.finish(VI_ERROR_INV_PARAMETER);
    bool available = true;
    long long result = 0;
    switch (attribute) {
    case VI_ATTR_INTF_TYPE:
        result = r->interfaceType;
        break;
    case VI_ATTR_SLOT:
        available = r->hasSlot;
        result = r->slot;
        break;
    case VI_ATTR_MANF_ID:
        available = r->hasManufacturer;
        result = r->manufacturer;
        break;
    case VI_ATTR_MODEL_CODE:
        available = r->hasModel;
        result = r->model;
        break;
    default:
        available = false;
    }
    double scripted = 0.0;
    if (call.scripted(&scripted)) {
        available = true;
        result = static_cast<long long>(scripted);
    }
    if (!available)
        return call.finish(VI_ERROR_NSUP_ATTR);
    if (attribute == VI_ATTR_SLOT) {
        const ViInt16 slot = static_cast<ViInt16>(result);
        std::memcpy(value, &slot, sizeof slot);
    } else {
        const ViUInt16 word = static_cast<ViUInt16>(result);
        std::memcpy(value, &word, sizeof word);
    }
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viLock(ViSession vi, ViAccessMode lockType, ViUInt32 timeout,
                           ViConstKeyId requestedKey, ViKeyId accessKey)
{
    Call call("viLock", vi);
    call.arg(static_cast<long long>(lockType)).arg(static_cast<long long>(timeout));
    call.arg(requestedKey ? requestedKey : "(null)");
    (void)accessKey;
    if (call.failed())
        return call.status();
    Session *s = instrument(call);
    Resource *r = call.resource(s);
    if (!r)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (lockType != VI_EXCLUSIVE_LOCK && lockType != VI_SHARED_LOCK)
        return call.finish(VI_ERROR_INV_LOCK_TYPE);
    if (r->lock == LockBehaviour::Refuse)
        return call.finish(VI_ERROR_RSRC_LOCKED);
    // Another client holding the instrument: the wait would run into the time-out; the
    // simulation reports it at once rather than blocking a pool thread.
    if (r->lock == LockBehaviour::Timeout || (r->lockedBy != 0 && r->lockedBy != vi))
        return call.finish(VI_ERROR_TMO);
    r->lockedBy = vi;
    ++r->lockCount;
    return call.finish(r->lockCount > 1 ? static_cast<ViStatus>(0x3FFF009Au) // nested
                                        : VI_SUCCESS);
}

extern "C" ViStatus viUnlock(ViSession vi)
{
    Call call("viUnlock", vi);
    if (call.failed())
        return call.status();
    Session *s = instrument(call);
    Resource *r = call.resource(s);
    if (!r)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (r->lockedBy != vi)
        return call.finish(VI_ERROR_SESN_NLOCKED);
    if (--r->lockCount <= 0) {
        r->lockCount = 0;
        r->lockedBy = 0;
    }
    return call.finish(VI_SUCCESS);
}

extern "C" ViStatus viQueryf(ViSession vi, ViConstString writeFormat, ViConstString readFormat, ...)
{
    Call call("viQueryf", vi);
    call.arg(writeFormat).arg(readFormat);
    if (call.failed())
        return call.status();
    Session *s = instrument(call);
    const Resource *r = call.resource(s);
    if (!r)
        return call.finish(VI_ERROR_INV_OBJECT);
    if (!writeFormat)
        return call.finish(VI_ERROR_INV_FMT);
    long width = 0;
    if (!parseReadFormat(readFormat, &width))
        return call.finish(VI_ERROR_NSUP_FMT);
    if (r->lockedBy != 0 && r->lockedBy != vi)
        return call.finish(VI_ERROR_RSRC_LOCKED);
    va_list args;
    va_start(args, readFormat);
    ViChar *buffer = va_arg(args, ViChar *);
    va_end(args);
    if (!buffer)
        return call.finish(VI_ERROR_INV_PARAMETER);
    // An instrument without a reply, or a command it does not know, leaves the read waiting.
    if (command(writeFormat) != "*IDN?" || r->idn.empty())
        return call.finish(VI_ERROR_TMO);
    const std::string reply = r->idn + "\n";
    if (width > 0) {
        simbench::copyText(reply, buffer, static_cast<size_t>(width));
    } else {
        std::memcpy(buffer, reply.c_str(), reply.size() + 1);
    }
    return call.finish(VI_SUCCESS);
}
