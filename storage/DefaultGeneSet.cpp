#include "storage/DefaultGeneSet.h"

#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"

#include <vector>

namespace {

// The Serpentia gene set: ten loci, thirteen combinations and the dominance rules of their alleles.
const std::vector<std::string> SerpentiaLines = {
    "[Statistics]",
    "LocusCount=10",
    "CombiCount=13",
    "RatioIndex=0",
    "CombiIndex=1",
    "PhenotypeIndex=0",
    "PossibleHetsIndex=0",
    "IniFile=Serpentia",
    "Locus0GeneCount=6",
    "Locus1GeneCount=3",
    "Locus2GeneCount=3",
    "Locus3GeneCount=3",
    "Locus4GeneCount=3",
    "Locus5GeneCount=3",
    "Locus6GeneCount=3",
    "Locus7GeneCount=3",
    "Locus8GeneCount=6",
    "Locus9GeneCount=3",
    "[LOCUS]",
    "0=Amel/Ultra",
    "1=Anery",
    "2=Bloodred",
    "3=Caramel",
    "4=Charcoal",
    "5=Hypomelanistic",
    "6=Lava",
    "7=Lavender",
    "8=Motley/Stripe",
    "9=Sunkissed",
    "[COMBI]",
    "0=ddff:Amber",
    "1=aaee:Blizzard",
    "2=aadd:Butter",
    "3=bbff:Ghost",
    "4=audd:Golddust",
    "5=bbgg:Ice",
    "6=aahh:Opal",
    "7=bbcc:Pepper",
    "8=ccee:Pewter",
    "9=cceeff:Phantom",
    "10=cchh:Plasma",
    "11=aabb:Snow",
    "12=aaccdd:Sulfur",
    "[Gene]",
    "0-0=++:Normal",
    "0-1=+a:het. Amel",
    "0-2=aa:Amelanistic",
    "0-3=+u:het. ultra",
    "0-4=uu:Ultra",
    "0-5=au:Ultramel",
    "1-0=++:Normal",
    "1-1=bb:Anerythristic",
    "1-2=+b:het. Anery",
    "2-0=++:Normal",
    "2-1=cc:Bloodred",
    "2-2=+c:het Bloodred",
    "3-0=++:Normal",
    "3-1=dd:Caramel",
    "3-2=+d:het. Caramel",
    "4-0=ee:Charcoal",
    "4-1=+e:het. Charcoal",
    "4-2=++:Normal",
    "5-0=ff:Hypomelanistic",
    "5-1=+f:het. Hypo",
    "5-2=++:Normal",
    "6-0=gg:Lava",
    "6-1=+g:het. Lava",
    "6-2=++:Normal",
    "7-0=hh:Lavender",
    "7-1=+h:het. Lavender",
    "7-2=++:Normal",
    "8-0=ii:Motley",
    "8-1=+i:het. Motley",
    "8-2=++:Normal",
    "8-3=jj:Stripe",
    "8-4=ij:MotleyXStripe",
    "8-5=+j:het. Stripe",
    "9-0=kk:Sunkissed",
    "9-1=+k:het. Sunkissed",
    "9-2=++:Normal",
    "[Weight]",
    "++=+ = +",
    "+a=+ > a",
    "aa=a = a",
    "+u=+ > u",
    "uu=u = u",
    "au=a = u",
    "bb=b = b",
    "+b=+ > b",
    "cc=c = c",
    "+c=+ > c",
    "dd=d = d",
    "+d=+ > d",
    "ee=e = e",
    "+e=+ > e",
    "ff=f = f",
    "+f=+ > f",
    "gg=g = g",
    "+g=+ > g",
    "hh=h = h",
    "+h=+ > h",
    "ii=i = i",
    "+i=+ > i",
    "jj=j = j",
    "ij=i > j",
    "+j=+ > j",
    "kk=k = k",
    "+k=+ > k",
};

} // namespace

std::string DefaultGeneSetText() {
    std::string text;
    for (const std::string& line : SerpentiaLines)
        text += line + "\r\n";
    return text;
}

bool WriteDefaultGeneSetFiles(const std::string& appDir, std::string& message) {
    const std::string text = DefaultGeneSetText();
    return CreateFileAtomically(MainSettingsPath(appDir), text, message) &&
           CreateFileAtomically(GeneSetPath(appDir, DefaultGeneSetName), text, message);
}
