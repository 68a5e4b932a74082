#pragma once
// The details of a sample commercial proposal (seller, customer, number,
// dates and terms) for the PDF samples, tests and benchmarks.

namespace veltra {

struct App;

// Sets App::seller and App::proposal: USD, VAT 22 % included.
void SetSampleProposal(App& app);
// Roubles at 92,5061 per dollar on 09.12.2026 plus 2 %.
void SetSampleRoubles(App& app);
// Hand-adds one of each of the first `count` priced items not yet in the
// calculation, for a long second table; runs the calculation again.
void AddManyItemsByHand(App& app, int count);

}  // namespace veltra
