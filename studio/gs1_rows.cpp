#include "gs1_rows.h"

#include "digits_rules.h"

#include <quillmark/digital_link.h>
#include <quillmark/gs1.h>

#include <check_digits.h>

namespace quillmark::studio {

bool TakesGs1Elements(TBarType Type) {
    return CarriesAsLike(Type, bcCodeGS1_128);
}

TGs1RowCheck CheckGs1Row(const TGs1Row& Row) {
    TGs1RowCheck check{std::string(GS1AITitle(Row.AI)), {}};
    if (Row.Empty())
        return check;
    try {
        CheckedGS1Element(Row.AI, Row.Data);
    } catch (const Exception& refused) {
        check.Problem = refused.Message();
        // Data one digit short of an SSCC, a GTIN or a GLN: the digit it lacks, as the
        // sequences of the labels library would add it.
        const std::string element = "(" + Row.AI + ")" + Row.Data;
        if (const std::string completed = WithCheckDigits(bcCodeGS1_128, element);
            completed != element)
            check.Problem += "; with its check digit: " + completed.substr(Row.AI.size() + 2);
    }
    return check;
}

TGs1Summary SummariseGs1(TBarType Type, const std::vector<TGs1Row>& Rows,
                         const TMatrixOptions& Options) {
    TGs1Summary summary;
    std::vector<TGS1Element> elements;
    for (const TGs1Row& row : Rows) {
        if (row.Empty())
            continue;
        if (const TGs1RowCheck check = CheckGs1Row(row);
            summary.Problem.empty() && !check.Problem.empty())
            summary.Problem = check.Problem;
        elements.push_back({row.AI, row.Data});
    }
    summary.Value = GS1Value(elements);
    summary.ElementString = GS1Text(elements);
    if (!summary.Problem.empty())
        return summary;
    if (const std::vector<std::string> pairings = GS1PairingProblems(elements); !pairings.empty())
        summary.Problem = pairings.front();
    else
        summary.Problem = SymbolProblem(Type, summary.Value, Options);
    if (summary.Problem.empty() && Type == bcCodeGS1DigitalLinkQR)
        summary.URI = DigitalLinkURI(summary.Value, Options.DigitalLinkDomain);
    return summary;
}

std::vector<TGs1Row> Gs1RowsOf(std::string_view Text) {
    std::vector<TGs1Row> rows;
    for (const TGS1Element& element : SplitGS1(Text))
        rows.push_back({element.AI, element.Data});
    return rows;
}

} // namespace quillmark::studio
