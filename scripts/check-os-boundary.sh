#!/usr/bin/env bash
# Only the system folders of the platform layer (src/platform/posix/, linux/, desktop/, ...)
# talk to the operating system, so that another system's build replaces them and nothing else.
# Everywhere else under src/, the portable files at the top of src/platform/ included: no system
# header, no call of a function by its global name (::open, ::stat, ...), no std::filesystem,
# and no environment variable read or set.
# wx is the toolkit and wraps the system, so src/gui/ may call it freely. Prints file:line of
# each use and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Files that may still use one of these, each with what it may use. An exception that is no
# longer used fails the check too, so that the list only ever shrinks.
exceptions=(
)

mapfile -d '' sources < <(find src -type f \( -name '*.cpp' -o -name '*.h' \) \
  ! -path 'src/platform/*/*' -print0 | sort -z)
EXCEPTIONS="$(printf '%s\n' "${exceptions[@]}")" SCRIPT="$0" perl -e '
    my %allowed;
    for (split /\n/, $ENV{EXCEPTIONS}) {
        my ($file, $what) = split / /, $_, 2;
        $allowed{$file} = { what => $what, used => 0 } if defined $what;
    }
    my $systemHeader = qr{^\s*\#\s*include\s*<(?:unistd\.h|fcntl\.h|dirent\.h|filesystem|pwd\.h|
                                               signal\.h|spawn\.h|dlfcn\.h|sys/[^>]+)>}x;
    # A call qualified by the global namespace alone: not Class::f(, not std::f(, not T>::f(.
    my $globalCall = qr{(?<![\w>)\]])::(?!wx)\w+\s*\(};
    my $environment = qr{\b(?:getenv|setenv|unsetenv|putenv)\s*\(};
    my $found = 0;
    $| = 1;
    for my $file (@ARGV) {
        open(my $in, "<", $file) or die "$file: $!\n";
        while (my $line = <$in>) {
            (my $code = $line) =~ s{//.*}{};
            next unless $code =~ $systemHeader || $code =~ $globalCall
                || $code =~ /\bstd::filesystem\b/ || $code =~ $environment;
            my $exception = $allowed{$file};
            if ($exception && index($code, $exception->{what}) >= 0) {
                $exception->{used} = 1;
                next;
            }
            print "$file:$.: $line";
            $found = 1;
        }
        close($in);
    }
    for my $file (sort keys %allowed) {
        next if $allowed{$file}{used};
        print "$file: no longer uses $allowed{$file}{what}: remove its exception from $ENV{SCRIPT}\n";
        $found = 1;
    }
    print STDERR "Only src/platform/<system>/ may talk to the operating system.\n" if $found;
    exit $found;
  ' "${sources[@]}"
