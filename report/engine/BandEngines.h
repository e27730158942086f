#pragma once

#include <memory>

class TppBand;
class TppBandEngine;
class BandHost;

// The band engine for a band, by its kind; the detail band's by its
// ColumnTraversal. None for a band of no known kind.
std::unique_ptr<TppBandEngine> createBandEngine(TppBand& band, BandHost& engine);
