#include "document/XmlLine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "document/NumberFormat.h"

namespace layrail {

void appendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
}

namespace {

void appendAttributeStart(std::string& out, std::string_view name)
{
    out += ' ';
    out += name;
    out += "=\"";
}

} // namespace

void appendIntAttribute(std::string& out, std::string_view name, long long value)
{
    appendAttributeStart(out, name);
    appendInt(out, value);
    out += '"';
}

void appendRealAttribute(std::string& out, std::string_view name, double value)
{
    appendAttributeStart(out, name);
    appendReal(out, value);
    out += '"';
}

void appendTextAttribute(std::string& out, std::string_view name, std::string_view text)
{
    appendAttributeStart(out, name);
    appendEscaped(out, text);
    out += '"';
}

std::string unescapeXml(std::string_view text)
{
    static constexpr struct {
        std::string_view reference;
        char character;
    } kReferences[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};

    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& r : kReferences) {
                if (text.compare(i, r.reference.size(), r.reference) == 0) {
                    out += r.character;
                    i += r.reference.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

// Quotes pair up from the start of the line: an equals sign after an odd number of them lies
// inside a value, where a name followed by "=\"" is only text.
std::string_view rawAttribute(std::string_view line, std::string_view name)
{
    bool inValue = false;
    size_t nameStart = std::string_view::npos; // just after the last blank outside a value
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            inValue = !inValue;
            nameStart = std::string_view::npos;
        } else if (c == ' ') {
            nameStart = i + 1;
        } else if (c == '=') {
            const bool opens = !inValue && i + 1 < line.size() && line[i + 1] == '"';
            if (opens && nameStart != std::string_view::npos && line.substr(nameStart, i - nameStart) == name) {
                const size_t end = line.find('"', i + 2);
                if (end == std::string_view::npos)
                    return {};
                return line.substr(i + 2, end - (i + 2));
            }
            nameStart = std::string_view::npos;
        }
    }
    return {};
}

namespace {

// In the order of Tag.
constexpr std::string_view kTagTexts[] = {
    "<layout ", "</layout>", "<block ", "</block>", "<run ", "<pieces>", "</pieces>", "<piece ", "<joint ",
    "<levels ", "</levels>", "<level ", "<pt ", "<scenery>", "</scenery>", "<sceneryitem ", "<baseboard>",
    "</baseboard>", "<vertex ", "<lastshape", "<label ", "<shape ", "</shape", "<v ", "<tunnel ", "<covers ",
    "<helix ",
};
constexpr size_t kTagCount = static_cast<size_t>(Tag::Count);
static_assert(std::size(kTagTexts) == kTagCount, "one text per tag");
static_assert(kTagCount <= 32, "the tags of a line fit one word");

constexpr size_t kTagWindow = 16;

constexpr bool tagTextsFitTheWindow()
{
    for (std::string_view text : kTagTexts)
        if (text.size() < 3 || text.size() > kTagWindow)
            return false;
    return true;
}
static_assert(tagTextsFitTheWindow(), "tag texts are 3 to 16 bytes long");

// The tags whose text may follow a '<', chosen by the two bytes after it (every tag
// text is at least three bytes long), and each text as two machine words with masks
// for its length: where 16 bytes of the line are left, a tag is matched by comparing
// two words.
struct TagTable {
    std::uint32_t byFollowing[256] = {};
    std::uint64_t words[kTagCount][2] = {};
    std::uint64_t masks[kTagCount][2] = {};

    static size_t indexOf(char first, char second)
    {
        return (static_cast<unsigned char>(first) * 7U + static_cast<unsigned char>(second)) % 256U;
    }
    TagTable()
    {
        for (size_t tag = 0; tag < kTagCount; ++tag) {
            const std::string_view text = kTagTexts[tag];
            byFollowing[indexOf(text[1], text[2])] |= 1U << tag;
            char bytes[kTagWindow] = {};
            unsigned char ones[kTagWindow] = {};
            std::memcpy(bytes, text.data(), text.size());
            std::memset(ones, 0xFF, text.size());
            std::memcpy(words[tag], bytes, kTagWindow);
            std::memcpy(masks[tag], ones, kTagWindow);
        }
    }
};
static_assert(sizeof(TagTable::words[0]) == kTagWindow, "two words hold the window");

const TagTable& tagTable()
{
    static const TagTable table;
    return table;
}

// Bit k of the result is the parity of bits 0 to k.
std::uint64_t prefixParity(std::uint64_t bits)
{
    bits ^= bits << 1;
    bits ^= bits << 2;
    bits ^= bits << 4;
    bits ^= bits << 8;
    bits ^= bits << 16;
    bits ^= bits << 32;
    return bits;
}

unsigned lowestBit(std::uint64_t bits) { return static_cast<unsigned>(__builtin_ctzll(bits)); }
unsigned highestBit(std::uint64_t bits) { return 63U - static_cast<unsigned>(__builtin_clzll(bits)); }

// The bytes that matter in a stretch of at most 64 bytes of a line: bit k stands for byte k.
struct ByteMasks {
    std::uint64_t opens = 0;
    std::uint64_t blanks = 0;
    std::uint64_t equals = 0;
    std::uint64_t quotes = 0;
};

ByteMasks maskBytes(const char* bytes, size_t count)
{
    ByteMasks m;
    for (size_t k = 0; k < count; ++k) {
        const std::uint64_t bit = std::uint64_t{1} << k;
        m.opens |= bytes[k] == '<' ? bit : 0;
        m.blanks |= bytes[k] == ' ' ? bit : 0;
        m.equals |= bytes[k] == '=' ? bit : 0;
        m.quotes |= bytes[k] == '"' ? bit : 0;
    }
    return m;
}

#if defined(__SSE2__)
std::uint64_t matches(__m128i block, char c)
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}

// Adds the bytes of a block that starts at byte `shift` of the stretch. Blocks may
// overlap: a byte seen twice sets the same bits.
void addBlock(ByteMasks& m, __m128i block, unsigned shift)
{
    m.opens |= matches(block, '<') << shift;
    m.blanks |= matches(block, ' ') << shift;
    m.equals |= matches(block, '=') << shift;
    m.quotes |= matches(block, '"') << shift;
}

__m128i load16(const char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); }

// The other bytes of the block are zero, which matches none of the bytes looked for.
__m128i load8(const char* bytes) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes)); }

__m128i load4(const char* bytes)
{
    int word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return _mm_cvtsi32_si128(word);
}

// Loads never reach past the stretch: its end is covered by a block ending there.
ByteMasks maskStretch(const char* bytes, size_t count)
{
    ByteMasks m;
    const auto last = static_cast<unsigned>(count);
    if (count >= 16) {
        for (unsigned start = 0; start + 16 <= last; start += 16)
            addBlock(m, load16(bytes + start), start);
        if (count % 16 != 0)
            addBlock(m, load16(bytes + count - 16), last - 16);
    } else if (count >= 8) {
        addBlock(m, load8(bytes), 0);
        addBlock(m, load8(bytes + count - 8), last - 8);
    } else if (count >= 4) {
        addBlock(m, load4(bytes), 0);
        addBlock(m, load4(bytes + count - 4), last - 4);
    } else {
        m = maskBytes(bytes, count);
    }
    return m;
}
#else
ByteMasks maskStretch(const char* bytes, size_t count) { return maskBytes(bytes, count); }
#endif

bool startsWith(const char* at, size_t available, std::string_view text)
{
    if (text.size() > available)
        return false;
    for (size_t k = 0; k < text.size(); ++k)
        if (at[k] != text[k])
            return false;
    return true;
}

bool sameName(const char* at, size_t size, std::string_view name)
{
    if (size != name.size())
        return false;
    for (size_t k = 0; k < size; ++k)
        if (at[k] != name[k])
            return false;
    return true;
}

} // namespace

std::string_view tagText(Tag tag) { return kTagTexts[static_cast<size_t>(tag)]; }

XmlLine::XmlLine(std::string_view line, std::size_t lineNumber, std::string& error)
    : line_(line), lineNumber_(lineNumber), error_(error)
{
    scan();
}

// The line is taken 64 bytes at a time as bit masks of the bytes that matter, so
// neither tags nor attributes need a loop over the bytes.
//
// Every tag text begins with '<', so matching what follows each '<' answers whether
// the line contains it. An attribute is an equals sign outside every value followed by
// a double quote: its name runs back to the previous blank, its value on to the next
// double quote.
// Taking them in order, the first entry of a name is its first occurrence.
void XmlLine::scan()
{
    const char* const data = line_.data();
    const size_t size = line_.size();
    // Offsets are kept in 32 bits; a longer line leaves its attributes to a search of the line.
    complete_ = size <= UINT32_MAX;
    bool recording = complete_;
    // The last blank, equals sign or double quote of the stretches before.
    size_t lastStop = 0;
    bool lastStopIsBlank = false;
    // An odd number of quotes before the stretch: it begins inside a value.
    bool inValue = false;
    for (size_t base = 0; base < size; base += 64) {
        const ByteMasks m = maskStretch(data + base, std::min<size_t>(64, size - base));
        if (m.opens != 0)
            noteTags(base, m.opens);
        const std::uint64_t stops = m.blanks | m.equals | m.quotes;
        const bool quoteFollows = base + 64 < size && data[base + 64] == '"';
        std::uint64_t pairs = m.equals & ((m.quotes >> 1) | (static_cast<std::uint64_t>(quoteFollows) << 63));
        // Bit k set: an odd number of quotes up to byte k, so an equals sign there lies inside a value.
        const std::uint64_t insideValues = prefixParity(m.quotes) ^ (inValue ? ~std::uint64_t{0} : 0);
        pairs &= ~insideValues;
        inValue ^= (__builtin_popcountll(m.quotes) & 1) != 0;
        while (recording && pairs != 0) {
            const unsigned bit = lowestBit(pairs);
            pairs &= pairs - 1;
            const size_t at = base + bit;
            const std::uint64_t stopsBefore = stops & ((std::uint64_t{1} << bit) - 1);
            size_t nameStart = lastStop + 1;
            bool afterBlank = lastStopIsBlank;
            if (stopsBefore != 0) {
                const unsigned stop = highestBit(stopsBefore);
                nameStart = base + stop + 1;
                afterBlank = (m.blanks >> stop) & 1U;
            }
            if (!afterBlank || nameStart == at)
                continue;
            const std::uint64_t quotesAfter = m.quotes >> bit >> 2;
            const size_t quote = quotesAfter != 0 ? at + 2 + lowestBit(quotesAfter) : line_.find('"', at + 2);
            const size_t valueSize = quote == std::string_view::npos ? 0 : quote - (at + 2);
            if (!insert(nameStart, at - nameStart, at + 2, valueSize)) {
                recording = false;
                complete_ = false;
            }
        }
        if (stops != 0) {
            const unsigned stop = highestBit(stops);
            lastStop = base + stop;
            lastStopIsBlank = (m.blanks >> stop) & 1U;
        }
    }
}

void XmlLine::noteTags(size_t base, std::uint64_t opens)
{
    const TagTable& table = tagTable();
    const char* const data = line_.data();
    const size_t size = line_.size();
    while (opens != 0) {
        const size_t at = base + lowestBit(opens);
        opens &= opens - 1;
        if (at + 2 >= size)
            return;
        std::uint64_t window[2] = {};
        const bool wide = size - at >= kTagWindow;
        if (wide)
            std::memcpy(window, data + at, kTagWindow);
        std::uint32_t candidates = table.byFollowing[TagTable::indexOf(data[at + 1], data[at + 2])];
        while (candidates != 0) {
            const auto tag = static_cast<unsigned>(__builtin_ctz(candidates));
            candidates &= candidates - 1;
            const bool found = wide ? (((window[0] ^ table.words[tag][0]) & table.masks[tag][0]) |
                                       ((window[1] ^ table.words[tag][1]) & table.masks[tag][1])) == 0
                                    : startsWith(data + at, size - at, kTagTexts[tag]);
            if (found)
                tags_ |= 1U << tag;
        }
    }
}

// A later occurrence of a name lands further along the probe chain of its first one,
// so lookups, which walk the chain from its start, find the first occurrence.
bool XmlLine::insert(size_t nameStart, size_t nameSize, size_t valueStart, size_t valueSize)
{
    if (count_ == kMaxAttributes)
        return false;
    size_t slot = slotOf(line_.data() + nameStart, nameSize);
    while ((occupied_ >> slot) & 1U)
        slot = (slot + 1) % kSlots;
    ++count_;
    occupied_ |= std::uint64_t{1} << slot;
    Attribute& a = slots_[slot];
    a.nameStart = static_cast<std::uint32_t>(nameStart);
    a.nameSize = static_cast<std::uint32_t>(nameSize);
    a.valueStart = static_cast<std::uint32_t>(valueStart);
    a.valueSize = static_cast<std::uint32_t>(valueSize);
    return true;
}

std::string_view XmlLine::raw(std::string_view name) const
{
    for (size_t slot = slotOf(name.data(), name.size()); (occupied_ >> slot) & 1U; slot = (slot + 1) % kSlots) {
        const Attribute& a = slots_[slot];
        if (sameName(line_.data() + a.nameStart, a.nameSize, name))
            return std::string_view(line_.data() + a.valueStart, a.valueSize);
    }
    return complete_ ? std::string_view() : rawAttribute(line_, name);
}

std::string XmlLine::text(std::string_view name) const
{
    const std::string_view value = raw(name);
    if (value.find('&') == std::string_view::npos)
        return std::string(value);
    return unescapeXml(value);
}

bool XmlLine::flag(std::string_view name) const { return raw(name) == "1"; }

bool XmlLine::flagDefaultOn(std::string_view name) const { return raw(name) != "0"; }

bool XmlLine::fail(const char* what, std::string_view name)
{
    if (error_.empty()) {
        error_ = "Line " + std::to_string(lineNumber_) + ": " + what + " in attribute \"";
        error_ += name;
        error_ += '"';
    }
    return false;
}

// Numbers are parsed from the raw value: the references stand for characters that
// can neither begin nor continue a number, so the unescaped text reads the same.
bool XmlLine::requiredInt(std::string_view name, int& value)
{
    const std::string_view number = raw(name);
    if (number.empty())
        return fail("missing number", name);
    if (!parseInt(number, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::requiredReal(std::string_view name, double& value)
{
    const std::string_view number = raw(name);
    if (number.empty())
        return fail("missing number", name);
    if (!parseReal(number, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::requiredId(std::string_view name, int& value)
{
    int id = 0;
    if (!requiredInt(name, id))
        return false;
    if (id < 0 || id > kMaxFileId)
        return fail("id out of range", name);
    value = id;
    return true;
}

bool XmlLine::optionalInt(std::string_view name, int& value)
{
    const std::string_view number = raw(name);
    if (number.empty())
        return true;
    if (!parseInt(number, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::optionalReal(std::string_view name, double& value)
{
    const std::string_view number = raw(name);
    if (number.empty())
        return true;
    if (!parseReal(number, value))
        return fail("bad number", name);
    return true;
}

} // namespace layrail
