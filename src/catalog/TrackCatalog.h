#pragma once

#include "catalog/TrackTypes.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace layrail {

// The built-in, read-only list of track pieces, built on first use.
class TrackCatalog {
public:
    static const TrackCatalog& instance();

    const CatalogPiece* find(const std::string& article) const;
    const CatalogPiece* at(int i) const;
    int count() const { return static_cast<int>(pieces_.size()); }
    const std::vector<CatalogPiece>& pieces() const { return pieces_; }

    // The largest connector count of any piece; bounds joint indices read from files.
    int maxConnectorCount() const { return maxConnectors_; }

    void add(const CatalogPiece& piece);

private:
    TrackCatalog();
    void build();

    std::vector<CatalogPiece> pieces_;
    std::unordered_map<std::string, size_t> index_;
    int maxConnectors_ = 0;
    bool built_ = false;
};

// A connector position in a piece's local frame.
struct LocalConnector {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
};

// Every construction ends here: a piece with its connectors given in index order.
CatalogPiece makeListed(TrackSystem system, const std::string& article, const std::string& description,
                        PieceKind kind, double length, double radius, double angle,
                        const std::vector<LocalConnector>& connectors);
// The next connector of a piece being built, at the end of its list.
void appendConnector(CatalogPiece& piece, const LocalConnector& local);

CatalogPiece makeStraight(TrackSystem system, const std::string& article, const std::string& description,
                          double length);
CatalogPiece makeCurve(TrackSystem system, const std::string& article, const std::string& description,
                       double radius, double angle);
CatalogPiece makeBumper(TrackSystem system, const std::string& article, const std::string& description,
                        double length);
CatalogPiece makeTurnout(TrackSystem system, const std::string& article, const std::string& description,
                         PieceKind kind, double length, double radius, double angle);

} // namespace layrail
