#!/usr/bin/perl
# Checks that every program text the help pages quote is one of the program's own texts, word
# for word, so that the help and the window cannot drift apart.
#
# In the pages, a caption or message is quoted as class="testo" (inline) or class="messaggio"
# (a message box); <br> stands for a line break of the message and <var> for a part the
# program fills in (a time, a symbol). Texts of the toolkit's own dialogs are class="testo-qt"
# and are not the program's, so they are not looked for here.
#
# The program's texts are the string literals of every .cpp, .h and .in file under the source
# folder, adjacent literals joined as the compiler joins them. A <var> stands for a %1-style
# placeholder or for the code between two literals ("... e' :" + symbol + ": ").
#
# Usage: check_quoted_texts.pl <help folder> <source folder>
use strict;
use warnings;
use utf8;

binmode(STDOUT, ":utf8");

@ARGV == 2 or die "usage: $0 <help folder> <source folder>\n";
my ($help_dir, $source_dir) = @ARGV;

# Between two literals that the code does not join.
my $code_between = "\x1F";
# Between two files, where no quoted text may continue.
my $file_between = "\x1E";
# Where a <var> was, while the quote is being cleaned.
my $filled_in = "\x{E000}";

sub read_text {
    my ($path) = @_;
    open(my $in, '<:utf8', $path) or die "cannot read $path: $!\n";
    local $/;
    my $text = <$in>;
    close $in;
    return $text;
}

sub source_files {
    my ($folder) = @_;
    opendir(my $listing, $folder) or die "cannot list $folder: $!\n";
    my @names = sort grep { !/^\./ } readdir $listing;
    closedir $listing;
    my @files;
    for my $name (@names) {
        my $path = "$folder/$name";
        if (-d $path) {
            push @files, source_files($path);
        } elsif ($name =~ /\.(?:cpp|h|in)$/) {
            push @files, $path;
        }
    }
    return @files;
}

# What a C++ string literal's escapes stand for. A "\r\n" shows as one line break, as the
# pages write it.
sub unescape {
    my ($body) = @_;
    my %simple = (n => "\n", t => "\t", r => '', '"' => '"', "'" => "'", '\\' => '\\', '?' => '?');
    $body =~ s{\\(x[0-9A-Fa-f]+|[0-7]{1,3}|.)}{
        my $e = $1;
        $e =~ /^x(.+)/ ? chr(hex $1) : $e =~ /^[0-7]/ ? chr(oct $e) : ($simple{$e} // $e)
    }gse;
    return $body;
}

# The texts of one source file: each run of adjacent literals as one text, in file order,
# with $code_between between runs. Comments and character literals are skipped, so a '"'
# or a quoted word in a comment is not taken for a text.
sub literals_of {
    my ($code) = @_;
    my (@texts, $current);
    pos($code) = 0;
    while (pos($code) < length $code) {
        if ($code =~ /\G(?:\s+|\/\/[^\n]*|\/\*.*?\*\/)/gcs) {
            next;    # whitespace and comments keep neighbouring literals joined
        } elsif ($code =~ /\G(?:u8|u|U|L)?R"([^()\\\s]{0,16})\((.*?)\)\1"/gcs) {
            $current = ($current // '') . $2;
        } elsif ($code =~ /\G(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"/gcs) {
            $current = ($current // '') . unescape($1);
        } else {
            $code =~ /\G(?:'(?:[^'\\\n]|\\.)*'|[A-Za-z_0-9]+|.)/gcs;
            if (defined $current) {
                push @texts, $current;
                undef $current;
            }
        }
    }
    push @texts, $current if defined $current;
    return join($code_between, @texts);
}

my %entities = (nbsp => ' ', amp => '&', lt => '<', gt => '>', quot => '"', apos => "'");

# A quoted text as the window shows it, or undef and a reason when the markup is not one
# the check understands.
sub shown_text {
    my ($html) = @_;
    my $text = $html;
    $text =~ s{<var>.*?</var>}{$filled_in}gs;
    $text =~ s{[ \t\r\n]+}{ }g;
    $text =~ s{\s*<br\s*/?>\s*}{\n}g;
    return (undef, "markup other than <br> and <var>") if $text =~ /</;
    my $unknown;
    $text =~ s{&(#x[0-9A-Fa-f]+|#[0-9]+|[A-Za-z]+);}{
        my $e = $1;
        $e =~ /^#x(.+)/ ? chr(hex $1)
          : $e =~ /^#(.+)/ ? chr($1)
          : defined $entities{$e} ? $entities{$e}
          : do { $unknown = "&$e;"; '' }
    }ge;
    return (undef, "the entity $unknown") if $unknown;
    $text =~ s/^ +| +$//g;
    return (undef, "an empty text") if $text !~ /\S/;
    return ($text, undef);
}

# Where the text is found among the program's texts: a word is not matched inside a
# longer word, and a <var> matches a placeholder or code between two literals.
sub pattern_for {
    my ($text) = @_;
    my $pattern = join('(?:%[0-9]+|' . $code_between . ')',
                       map { quotemeta } split(/$filled_in/, $text, -1));
    $pattern = '(?<![\p{L}\p{N}])' . $pattern if $text =~ /^[\p{L}\p{N}]/;
    $pattern .= '(?![\p{L}\p{N}])' if $text =~ /[\p{L}\p{N}]$/;
    return qr/$pattern/;
}

my @files = source_files($source_dir);
@files or die "no .cpp, .h or .in files under $source_dir\n";
my $program_texts = join($file_between, map { literals_of(read_text($_)) } @files);

opendir(my $listing, $help_dir) or die "cannot list $help_dir: $!\n";
my @pages = sort grep { /\.html$/ } readdir $listing;
closedir $listing;
@pages or die "no help pages in $help_dir\n";

my ($failures, $checked) = (0, 0);
for my $page (@pages) {
    my $html = read_text("$help_dir/$page");
    my $found = 0;
    # Opening tags only, so that a quote inside a paragraph is seen too.
    while ($html =~ m{<(span|p|q|div)\b([^>]*)>}g) {
        my ($tag, $attributes, $start) = ($1, $2, pos $html);
        next unless $attributes =~ /\bclass="([^"]*)"/;
        next unless grep { $_ eq 'testo' || $_ eq 'messaggio' } split ' ', $1;
        my $end = index($html, "</$tag>", $start);
        next if $end < 0;    # tidy reports the unclosed element
        my $inner = substr($html, $start, $end - $start);
        $found++;
        my ($text, $problem) = shown_text($inner);
        my $shown = defined $text ? $text =~ s/$filled_in/…/gr =~ s/\n/⏎/gr : $inner;
        if ($problem) {
            print "$page: cannot read the quoted text \"$shown\": it holds $problem\n";
            $failures++;
            next;
        }
        $checked++;
        next if $program_texts =~ pattern_for($text);
        my $hint = '';
        (my $straight = $text) =~ tr/‘’“”/''""/;
        $hint = ' (the program writes straight quotes here)'
            if $straight ne $text && $program_texts =~ pattern_for($straight);
        print "$page: \"$shown\" is not among the program's texts$hint\n";
        $failures++;
    }
    if (!$found) {
        print "$page quotes no program text: its class=\"testo\" markup is missing\n";
        $failures++;
    }
}

if ($failures) {
    print "$failures quoted texts do not match the program's texts under $source_dir\n";
    exit 1;
}
print "$checked quoted texts in ", scalar(@pages), " help pages are the program's own, word for word\n";
