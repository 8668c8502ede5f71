#include "evaluation/HitChanceTree.h"

#include "lottery/SingleCode.h"

namespace {

constexpr int Matches = RoundData::MatchCount;
constexpr int Marks = RoundData::MarkCount;

// The missed matches of each term, in the order the terms are summed; -1 for
// none.
std::vector<std::array<int, 2>> missedMatches(int grade)
{
    std::vector<std::array<int, 2>> terms;
    if (grade == 1)
        terms.push_back({-1, -1});
    for (int i = 0; grade == 2 && i < Matches; ++i)
        terms.push_back({i, -1});
    for (int i = 0; grade == 3 && i < Matches; ++i)
        for (int j = i + 1; j < Matches; ++j)
            terms.push_back({i, j});
    return terms;
}

} // namespace

// The walk for one number of terms, known when compiled so that the products
// stay in registers and the term loops are unrolled.
template<int Terms>
class TreeWalk
{
public:
    using Products = std::array<double, Terms>;

    TreeWalk(const HitChanceTree &tree, std::span<double, HitChanceTree::HighCount> chances)
        : m_tree(tree), m_chances(chances)
    {
    }

    void walk(qint32 low)
    {
        // Every term's product starts at 1, as the plain formula's does: 1 ×
        // the first factor is that factor exactly.
        Products product;
        product.fill(1.0);
        for (int match = 0; match < HitChanceTree::LowMatches; ++match, low /= Marks)
            multiply(product, match, low % Marks, product);
        descend(HitChanceTree::LowMatches, 0, product);
    }

private:
    static constexpr int Match13 = Matches - 2;
    static constexpr int Match14 = Matches - 1;

    static qint32 highDigit(int match, int mark)
    {
        return mark * SingleCode::Power[match - HitChanceTree::LowMatches];
    }

    void multiply(const Products &product, int match, int mark, Products &out) const
    {
        const double *factor = m_tree.factors(match, mark);
        for (int t = 0; t < Terms; ++t)
            out[t] = product[t] * factor[t];
    }

    // The products up to `match`, carried down to each mark of it.
    void descend(int match, qint32 high, const Products &product)
    {
        if (match == Match13) {
            lastTwoMatches(high, product);
            return;
        }
        Products next;
        for (int mark = 0; mark < Marks; ++mark) {
            multiply(product, match, mark, next);
            descend(match + 1, high + highDigit(match, mark), next);
        }
    }

    // The nine singles that differ only in matches 13 and 14 are summed side
    // by side, each sum still adding its own terms in order.
    void lastTwoMatches(qint32 high, const Products &product)
    {
        std::array<Products, Marks> upTo13;
        for (int mark = 0; mark < Marks; ++mark)
            multiply(product, Match13, mark, upTo13[mark]);
        const double *last0 = m_tree.factors(Match14, 0);
        const double *last1 = m_tree.factors(Match14, 1);
        const double *last2 = m_tree.factors(Match14, 2);
        std::array<double, Marks * Marks> sum{};
        for (int t = 0; t < Terms; ++t) {
#pragma GCC unroll 3
            for (int mark13 = 0; mark13 < Marks; ++mark13) {
                const double up = upTo13[mark13][t];
                sum[mark13 * Marks + 0] += up * last0[t];
                sum[mark13 * Marks + 1] += up * last1[t];
                sum[mark13 * Marks + 2] += up * last2[t];
            }
        }
        for (int mark13 = 0; mark13 < Marks; ++mark13)
            for (int mark14 = 0; mark14 < Marks; ++mark14)
                m_chances[size_t(high + highDigit(Match13, mark13) + highDigit(Match14, mark14))] =
                    sum[mark13 * Marks + mark14];
    }

    const HitChanceTree &m_tree;
    std::span<double, HitChanceTree::HighCount> m_chances;
};

HitChanceTree::HitChanceTree(int grade, const MarkTable &share, const MarkTable &miss)
{
    const auto terms = missedMatches(grade);
    m_terms = int(terms.size());
    m_factor.resize(size_t(Matches) * Marks * terms.size());
    for (int match = 0; match < Matches; ++match) {
        for (int mark = 0; mark < Marks; ++mark) {
            double *factor = m_factor.data() + (size_t(match) * Marks + mark) * terms.size();
            for (size_t t = 0; t < terms.size(); ++t) {
                const bool missed = terms[t][0] == match || terms[t][1] == match;
                factor[t] = missed ? miss[match][mark] : share[match][mark];
            }
        }
    }
}

const double *HitChanceTree::factors(int match, int mark) const
{
    return m_factor.data() + (size_t(match) * Marks + mark) * size_t(m_terms);
}

void HitChanceTree::chancesOfLow(qint32 low, std::span<double, HighCount> chances) const
{
    switch (m_terms) {
    case 1: TreeWalk<1>(*this, chances).walk(low); break;
    case Matches: TreeWalk<Matches>(*this, chances).walk(low); break;
    default: TreeWalk<MostTerms>(*this, chances).walk(low); break;
    }
}
