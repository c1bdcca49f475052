#include "panels/PieceList.h"

namespace layrail {

namespace {

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::vector<PieceListLine> pieceListLines(const TallyMap& counts)
{
    std::vector<PieceListLine> lines;
    lines.reserve(counts.size() + 4);
    for (const auto& [article, count] : counts)
        lines.push_back({article, tallyName(article), count, false});
    const Accessories needed = accessoriesFor(counts);
    const PieceListLine accessories[] = {
        {kTurnoutMotorArticle, "Turnout Motor", needed.motors, true},
        {kKTrackMotorArticle, "K-Track Motor", needed.kTrackMotors, true},
        {kDecoderArticle, "Decoder", needed.decoders, true},
        {kSpecialDecoderArticle, "Decoder (24720)", needed.specialDecoders, true},
    };
    for (const PieceListLine& line : accessories)
        if (line.quantity > 0)
            lines.push_back(line);
    return lines;
}

std::string pieceListCsv(const std::vector<PieceListLine>& lines)
{
    std::string csv = "Article,Description,Quantity,Note\n";
    for (const PieceListLine& line : lines)
        csv += csvField(line.article) + "," + csvField(line.description) + "," + std::to_string(line.quantity) + "," +
               (line.recommended ? "recommended" : "") + "\n";
    return csv;
}

std::string pieceListText(const std::vector<PieceListLine>& lines)
{
    std::string text;
    for (const PieceListLine& line : lines)
        text += line.article + "\t" + std::to_string(line.quantity) + "\t" + line.description +
                (line.recommended ? " (recommended)" : "") + "\n";
    return text;
}

} // namespace layrail
